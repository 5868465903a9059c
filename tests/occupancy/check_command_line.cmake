# Runs `tgxeditor --check` as a user does, with no display at all, on small
# timetables in code page 1250 with CR LF and LF line ends, and checks its
# exit codes and what it prints; and the other answers on the terminal
# (help, version, wrong options), also without a display.
# Arguments: -DPROGRAM=<tgxeditor> -DWORK_DIR=<scratch folder> -DVERSION=<project version>
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(record "1804521107050712070011207130740270000012013000000000000000000000000")

# A Hutky timetable (line 2 "Zelto ŽST Hutky", Ž being 0x8E in code page 1250)
# with the records given, its lines ended by the given bytes.
function(write_timetable name line_end)
  string(ASCII 142 z_caron)
  write_timetable_for("${name}" "Zelto ${z_caron}ST Hutky" "${line_end}" ${ARGN})
endfunction()

# The same for any line 2.
function(write_timetable_for name simulator line_end)
  set(text "Letn${line_end}${simulator}${line_end}")
  foreach(line RANGE 3 30)
    string(APPEND text "${line_end}")
  endforeach()
  foreach(record IN LISTS ARGN)
    string(APPEND text "${record}${line_end}")
  endforeach()
  file(WRITE ${WORK_DIR}/${name} "${text}")
endfunction()

write_timetable(clean.46g "\n" ${record})
write_timetable(twice.46g "\r\n" ${record} ${record})
write_timetable(twice_lf.46g "\n" ${record} ${record})

# What a file holding the record twice is found to have.
set(collision "32: kolize na koleji 1: Os 4521 07:12–07:13 a Os 4521 07:12–07:13 (řádek 31)")
set(duplicate "32: číslo vlaku 4521 je už na řádku 31")

include(${CMAKE_CURRENT_LIST_DIR}/../support/command_checks.cmake)

# Runs the program with the arguments given after the expected exit code and
# pieces of standard output and standard error (empty: that stream is empty).
function(expect_answer code out_piece err_piece)
  run_without_display(result out err ${ARGN})
  set(problems "")
  if(NOT result STREQUAL code)
    string(APPEND problems " exit ${result}, expected ${code};")
  endif()
  foreach(stream IN ITEMS out err)
    holds_piece(stream_ok "${${stream}}" "${${stream}_piece}")
    if(NOT stream_ok)
      string(APPEND problems " std${stream} was\n${${stream}}")
    endif()
  endforeach()
  if(problems)
    set(failures "${failures}\n  ${ARGN}:${problems}" PARENT_SCOPE)
  endif()
endfunction()

expect(0 "" "" clean.46g)
expect(1 "twice.46g:${collision}\ntwice.46g:${duplicate}\n" "" clean.46g twice.46g)
expect(2 "twice_lf.46g:${collision}\ntwice_lf.46g:${duplicate}\n" "Soubor nelze přečíst „missing.46g“"
       missing.46g twice_lf.46g)
# Usage errors exit 2, as 1 means findings; the message goes to standard error.
expect_answer(2 "" "„--bogus“" --check --bogus clean.46g)
expect_answer(2 "" "--check" --check)
# An unknown option without a display: the usage message, not a window.
set(unknown "TGX editor nezná. Přehled voleb vypíše „tgxeditor --help“.")
expect_answer(2 "" "Volbu „--bogus“ ${unknown}" --bogus)
expect_answer(2 "" "Volbu „-x“ ${unknown}" -x)
expect_answer(2 "" "Volbu „--bogus“ ${unknown}" --bogus file.46g)
# Qt's own options still go to Qt, and the program reads what is left.
expect_answer(0 "TGX editor ${VERSION}\n" "" -platform offscreen --version)
expect_answer(0 "TGX editor ${VERSION}\n" "" --style=fusion -reverse -v)
# Help and version need no display, and the help is Czech throughout.
expect_answer(0 "TGX editor ${VERSION}\n" "" --version)
expect_answer(0 "TGX editor ${VERSION}\n" "" -v)
expect_answer(0 "Použití: tgxeditor" "" --help)
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                ${PROGRAM} --help OUTPUT_VARIABLE help)
foreach(english IN ITEMS Usage Options Arguments Displays help\ on version\ information)
  string(FIND "${help}" "${english}" at)
  if(at GREATER_EQUAL 0)
    set(failures "${failures}\n  --help has \"${english}\":\n${help}")
  endif()
endforeach()

# Control characters from a file reach the terminal as \xNN: an escape
# sequence, a bell, DEL and a C1 control (0x81, undefined in code page 1250).
string(ASCII 27 escape)
string(ASCII 7 bell)
string(ASCII 127 delete)
string(ASCII 129 c1)
write_timetable_for(controls.46g "Zelto${escape}[2J${bell}${delete}${c1}" "\r\n" ${record})
expect(1 "controls.46g:2: simulátor „Zelto\\x1b[2J\\x07\\x7f\\x81“ editor nezná, koleje a předjíždění proto nekontroluje\n"
       "" controls.46g)

if(failures)
  message(FATAL_ERROR "tgxeditor --check:${failures}")
endif()
