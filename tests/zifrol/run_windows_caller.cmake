# Calls zifrol.dll from a Windows program under wine: the 32-bit DLL through
# the wine command, the 64-bit one through the 64-bit loader (Debian keeps
# wine64 outside PATH, and its wine command starts the 32-bit loader first).
# A missing wine fails the test: scripts/install-packages installs it. The one
# case reported as skipped is a kernel that refuses to run 32-bit x86 programs,
# where no 32-bit Windows program can run under wine at all.
# Arguments: -DBITS=<32|64> -DCALLER=<windows_caller.exe> -DDLL=<zifrol.dll>
#            -DWORK_DIR=<scratch folder> -DPREFIX=<wine prefix, shared by the callers>
if(BITS EQUAL 64)
  find_program(WINE NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine)
else()
  find_program(WINE NAMES wine wine-stable)
endif()
find_program(WINESERVER NAMES wineserver wineserver-stable PATHS /usr/lib/wine)
if(NOT WINE OR NOT WINESERVER)
  message(FATAL_ERROR "wine for ${BITS}-bit programs is not installed; scripts/install-packages installs it")
endif()

execute_process(COMMAND ${WINE} --version RESULT_VARIABLE failed OUTPUT_VARIABLE version ERROR_VARIABLE error)
if("${failed}${error}" MATCHES "Exec format error")
  message("SKIPPED: this machine's kernel does not run 32-bit x86 programs (${WINE}: Exec format error), "
          "so no ${BITS}-bit Windows program can run under wine here")
  return()
elseif(failed)
  message(FATAL_ERROR "${WINE} --version failed: ${error}")
endif()
string(STRIP "${version}" version)

set(ENV{WINEPREFIX} ${PREFIX})
set(ENV{WINEDEBUG} -all)
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=") # no Mono or Gecko installer in a new prefix

# The program loads zifrol.dll from its own folder.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${CALLER} ${DLL} DESTINATION ${WORK_DIR})
get_filename_component(program ${CALLER} NAME)

# A new prefix takes wine a while to fill; done once here, so that the calls
# below are timed on their own. Its output goes to a file: wine's service
# processes outlive the command, and a pipe they hold would be waited for.
string(TIMESTAMP start "%s")
if(NOT EXISTS ${PREFIX}/system.reg)
  execute_process(COMMAND ${WINE} wineboot --init RESULT_VARIABLE failed
    INPUT_FILE /dev/null OUTPUT_FILE ${WORK_DIR}/wineboot.log ERROR_FILE ${WORK_DIR}/wineboot.log)
  execute_process(COMMAND ${WINESERVER} -w)
  if(failed OR NOT EXISTS ${PREFIX}/system.reg)
    file(READ ${WORK_DIR}/wineboot.log output)
    message(FATAL_ERROR "wine could not create its prefix ${PREFIX}:\n${output}")
  endif()
  string(TIMESTAMP now "%s")
  math(EXPR seconds "${now} - ${start}")
  message(STATUS "${version}: created the prefix in ${seconds} s")
  set(start ${now})
endif()

# One wineserver and wine's service processes serve all the calls, started
# with their output going nowhere; each call then takes a fraction of a
# second instead of starting them anew. Should this script stop early, the
# server ends by itself 30 s after its last program.
function(quiet)
  execute_process(COMMAND ${ARGN} INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
endfunction()
quiet(${WINESERVER} -p30)
quiet(${WINE} cmd.exe /c exit)

set(failures "")
set(calls 0)
function(expect expected)
  execute_process(COMMAND ${WINE} ${program} ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
    OUTPUT_VARIABLE output ERROR_VARIABLE error OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REPLACE "\r" "" output "${output}")
  if(NOT output STREQUAL expected)
    set(failures "${failures}\n  A(${ARGN}) gave \"${output}\", expected \"${expected}\" ${error}" PARENT_SCOPE)
  endif()
  math(EXPR calls "${calls} + 1")
  set(calls ${calls} PARENT_SCOPE)
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
quiet(${WINESERVER} -k)
if(failures)
  message(FATAL_ERROR "${BITS}-bit zifrol.dll under ${version}:${failures}")
endif()
string(TIMESTAMP now "%s")
math(EXPR seconds "${now} - ${start}")
message(STATUS "${BITS}-bit zifrol.dll under ${version}: ${calls} calls as expected in ${seconds} s")
