# Calls zifrol.dll from a Windows program under wine. Without wine the test
# reports itself skipped.
# Arguments: -DCALLER=<windows_caller.exe> -DDLL=<zifrol.dll> -DWORK_DIR=<scratch folder>
find_program(WINE NAMES wine wine-stable)
if(NOT WINE)
  message("SKIPPED: wine is not installed, so zifrol.dll cannot be called from a Windows program here")
  return()
endif()

# The program loads zifrol.dll from its own folder.
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${CALLER} ${DLL} DESTINATION ${WORK_DIR})
get_filename_component(program ${CALLER} NAME)
set(ENV{WINEPREFIX} ${WORK_DIR}/prefix)
set(ENV{WINEDEBUG} -all)
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")

set(failures "")
function(expect expected)
  execute_process(COMMAND ${WINE} ${program} ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
    OUTPUT_VARIABLE output OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REPLACE "\r" "" output "${output}")
  if(NOT output STREQUAL expected)
    set(failures "${failures}\n  A(${ARGN}) gave \"${output}\", expected \"${expected}\"" PARENT_SCOPE)
  endif()
endfunction()

set(raised "raised: Invalid variant type conversion")
expect("result: 12346" 12345)
expect("result: 12400" 12399)
expect("result: 10000" 09999)
expect("result: 00000" 99999)
expect("result: 12346" 123456789)
expect("${raised}" 12a45)
expect("${raised}" "1234 ")
expect("${raised}" 1234)
expect("${raised}")
if(failures)
  message(FATAL_ERROR "zifrol.dll under wine:${failures}")
endif()
