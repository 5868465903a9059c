# Fails unless A is the only symbol LIBRARY defines in its dynamic symbol
# table, and unless none of its code runs at load time.
# Arguments: -DNM=<nm> -DLIBRARY=<libzifrol.so>
execute_process(COMMAND ${NM} --dynamic --defined-only ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} could not list ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
if(NOT lines MATCHES "^[0-9a-f]+ T A$")
  message(FATAL_ERROR "Expected only the function A to be exported, found:\n${listing}")
endif()
message(STATUS "Exported: ${lines}")

# GCC and Clang name the load-time constructor of a source file
# _GLOBAL__sub_I_<file>; constructors the sanitizers add carry a numeric
# priority before the name and are not the library's own.
execute_process(COMMAND ${NM} ${LIBRARY} OUTPUT_VARIABLE all RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} could not list all symbols of ${LIBRARY}")
endif()
string(REGEX MATCHALL "_GLOBAL__sub_[ID]_[A-Za-z_][^\n]*" constructors "${all}")
if(constructors)
  message(FATAL_ERROR "The library runs code of its own when loaded or unloaded: ${constructors}")
endif()
