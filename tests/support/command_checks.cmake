# What the command-line tests share. They run as scripts (cmake -P) with
# -DPROGRAM=<tgxeditor> -DWORK_DIR=<scratch folder>, gather what went wrong
# in the variable failures and fail at their end when it is not empty.
set(failures "")

# Runs the program with the arguments after the three variables, in WORK_DIR
# and with no display at all, as a terminal without a desktop runs it.
function(run_without_display result_var out_var err_var)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${PROGRAM} ${ARGN}
    WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result_var} "${result}" PARENT_SCOPE)
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
endfunction()

# Whether text holds piece; an empty piece asks for an empty text.
function(holds_piece answer text piece)
  string(FIND "${text}" "${piece}" at)
  if((piece STREQUAL "" AND NOT text STREQUAL "") OR at LESS 0)
    set(${answer} FALSE PARENT_SCOPE)
  else()
    set(${answer} TRUE PARENT_SCOPE)
  endif()
endfunction()

# Checks --check on the files given after the expected exit code, the whole
# standard output and a piece of standard error (empty: nothing on it).
function(expect code expected_out expected_err)
  run_without_display(result out err --check ${ARGN})
  if(NOT result STREQUAL code)
    set(failures "${failures}\n  --check ${ARGN}: exit ${result}, expected ${code} (${err})" PARENT_SCOPE)
  endif()
  if(NOT out STREQUAL expected_out)
    set(failures "${failures}\n  --check ${ARGN} printed\n${out}expected\n${expected_out}" PARENT_SCOPE)
  endif()
  holds_piece(err_ok "${err}" "${expected_err}")
  if(NOT err_ok)
    set(failures "${failures}\n  --check ${ARGN} wrote on standard error\n${err}" PARENT_SCOPE)
  endif()
endfunction()
