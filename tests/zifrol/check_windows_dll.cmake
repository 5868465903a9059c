# Checks zifrol.dll with the cross toolchain's objdump: the export directory
# (the name "zifrol.dll", A alone at ordinal 1), the imports (system
# libraries only) and every field of the version resource.
# Arguments: -DOBJDUMP=<objdump> -DDLL=<zifrol.dll> -DFORMAT=<pei-i386|pei-x86-64>

function(run_objdump out)
  execute_process(COMMAND ${OBJDUMP} ${ARGN} ${DLL} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${OBJDUMP} ${ARGN} failed on ${DLL}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(require text regex what)
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "zifrol.dll: ${what} is missing or wrong")
  endif()
endfunction()

# Hex digits of a text as it is stored in a resource: UTF-16LE, ASCII only.
function(utf16_hex text out)
  string(HEX "${text}" hex)
  string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

# Hex digits of a 16-bit number as stored, low byte first.
function(word_hex value out)
  math(EXPR low "${value} % 256" OUTPUT_FORMAT HEXADECIMAL)
  math(EXPR high "${value} / 256" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "0" low "${low}")
  string(REGEX REPLACE "^0x" "0" high "${high}")
  string(REGEX MATCH "..$" low "${low}")
  string(REGEX MATCH "..$" high "${high}")
  set(${out} "${low}${high}" PARENT_SCOPE)
endfunction()

run_objdump(headers -p)
require("${headers}" "file format ${FORMAT}\n" "the file format ${FORMAT}")
require("${headers}" "\nName[ \t]+[0-9a-f]+ zifrol\\.dll\n" "the export directory name")
require("${headers}" "\nOrdinal Base[ \t]+1\n" "ordinal base 1")
require("${headers}" "\tExport Address Table[ \t]+00000001\n" "a single export")
require("${headers}" "\\[Ordinal/Name Pointer\\] Table\n\t\\[ +0\\] A\n" "the export named A")
require("${headers}" "\t\\[ +0\\] \\+base\\[ +1\\] [0-9a-f]+ Export RVA\n" "A at ordinal 1")
if(headers MATCHES "DLL Name: (lib[^\n]*)")
  message(FATAL_ERROR "zifrol.dll needs ${CMAKE_MATCH_1}; it must import system libraries only")
endif()
# Resource type 16 is the version resource, here in Czech (0x405).
require("${headers}" "Entry: ID: 0x000010[^\n]*\n[^\n]*\n[^\n]*Entry: ID: 0x000001[^\n]*\n[^\n]*\n[^\n]*Entry: ID: 0x000405"
  "the version resource")

# The .rsrc section as one string of hex digits; each dump line holds up to
# 16 bytes in four groups after the address.
run_objdump(dump -s -j .rsrc)
string(REGEX MATCHALL "\n [0-9a-f]+ [^\n]*" lines "${dump}")
set(rsrc "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^\n [0-9a-f]+ " "" line "${line}")
  string(SUBSTRING "${line}" 0 35 groups)
  string(REPLACE " " "" groups "${groups}")
  string(APPEND rsrc "${groups}")
endforeach()

# Fixed part: signature, structure version, then file and product version.
set(version "16.3.2006")
string(REPLACE "." ";" parts "${version}")
list(GET parts 0 major)
list(GET parts 1 minor)
list(GET parts 2 build)
word_hex(${major} major)
word_hex(${minor} minor)
word_hex(${build} build)
set(numbers "${minor}${major}0000${build}")
require("${rsrc}" "bd04effe00000100${numbers}${numbers}" "the fixed version ${version}")

# Each string: its key, NUL, padding to four bytes, its value, NUL.
set(expected
  "CompanyName=Zelto"
  "FileDescription=Zelto Edice 246 component"
  "ProductName=Zelto Edice 246"
  "InternalName=zifrol"
  "OriginalFilename=zifrol.dll"
  "FileVersion=${version}"
  "ProductVersion=${version}")
foreach(field IN LISTS expected)
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${field}")
  set(key "${CMAKE_MATCH_1}")
  utf16_hex("${CMAKE_MATCH_1}" key_hex)
  utf16_hex("${CMAKE_MATCH_2}" value_hex)
  require("${rsrc}" "${key_hex}0000(0000)?${value_hex}0000" "the version string ${key}")
endforeach()
message(STATUS "zifrol.dll: export A at ordinal 1, version resource complete")
