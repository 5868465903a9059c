# Reads the version record back from LIBRARY with readelf, where it sits as a
# package metadata note, and checks every field.
# Arguments: -DREADELF=<readelf> -DLIBRARY=<libzifrol.so>
execute_process(COMMAND ${READELF} --notes --wide ${LIBRARY}
  OUTPUT_VARIABLE notes RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${READELF} could not read the notes of ${LIBRARY}")
endif()
if(NOT notes MATCHES "notes found in: \\.note\\.package\n[^\n]*\n +FDO +[^\n]*Packaging Metadata: ([^\n]*)")
  message(FATAL_ERROR "No package metadata note in ${LIBRARY}:\n${notes}")
endif()
set(record "${CMAKE_MATCH_1}")
message(STATUS "Version record: ${record}")

set(expected
  "CompanyName=Zelto"
  "FileDescription=Zelto Edice 246 component"
  "ProductName=Zelto Edice 246"
  "InternalName=zifrol"
  "OriginalFilename=zifrol.dll"
  "FileVersion=16.3.2006"
  "ProductVersion=16.3.2006")
foreach(field IN LISTS expected)
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${field}")
  set(key "${CMAKE_MATCH_1}")
  set(wanted "${CMAKE_MATCH_2}")
  string(JSON value ERROR_VARIABLE error GET "${record}" "${key}")
  if(error)
    message(FATAL_ERROR "${key}: ${error}")
  elseif(NOT value STREQUAL wanted)
    message(FATAL_ERROR "${key} is \"${value}\", expected \"${wanted}\"")
  endif()
endforeach()
