# Runs `tgxeditor --check` on timetables of neighbouring simulators, as a user
# checks a line, with no display at all, and checks its exit codes and what
# it prints: each file's findings, its lines checked against the other files.
# Arguments: -DPROGRAM=<tgxeditor> -DWORK_DIR=<scratch folder>
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

set(vehicles "000000000000000000000000000000")
# Os 4521 from Česká Zálesí through Hutky to Vrbinov, in Hutky's timetable.
set(hutky_train "1804521107050712070011207130740270000${vehicles}")
# The same train in Vrbinov's timetable, going on to Radlická: on time, and a minute late.
set(vrbinov_train "1804521207130740270011307450800150000${vehicles}")
set(vrbinov_late "1804521207140741270011307450800150000${vehicles}")

# A timetable in code page 1250 with CR LF line ends for the simulator named
# "Zelto ŽST <station>" (Ž being 0x8E), the specified neighbour and the records given.
function(write_timetable name station specified)
  string(ASCII 142 z_caron)
  set(text "Trať\r\nZelto ${z_caron}ST ${station}\r\n\r\n\r\n\r\n\r\n${specified}\r\n")
  foreach(line RANGE 8 30)
    string(APPEND text "\r\n")
  endforeach()
  foreach(record IN LISTS ARGN)
    string(APPEND text "${record}\r\n")
  endforeach()
  file(WRITE ${WORK_DIR}/${name} "${text}")
endfunction()

write_timetable(hutky.46g Hutky "" ${hutky_train})
write_timetable(vrbinov.46g Vrbinov Plavy ${vrbinov_train})
write_timetable(vrbinov_late.46g Vrbinov Plavy ${vrbinov_late})
write_timetable(vrbinov_empty.46g Vrbinov Plavy)

include(${CMAKE_CURRENT_LIST_DIR}/../support/command_checks.cmake)

set(hutky_late_departure "hutky.46g:31: Os 4521: odjezd ze stanice Hutky 07:13, ale grafikon stanice Vrbinov má 07:14 (řádek 31)\n")
set(hutky_late_arrival "hutky.46g:31: Os 4521: příjezd do stanice Vrbinov 07:40, ale grafikon stanice Vrbinov má 07:41 (řádek 31)\n")
set(vrbinov_late_departure "vrbinov_late.46g:31: Os 4521: odjezd ze stanice Hutky 07:14, ale grafikon stanice Hutky má 07:13 (řádek 31)\n")
set(vrbinov_late_arrival "vrbinov_late.46g:31: Os 4521: příjezd do stanice Vrbinov 07:41, ale grafikon stanice Hutky má 07:40 (řádek 31)\n")

expect(0 "" "" hutky.46g)
expect(0 "" "" hutky.46g vrbinov.46g)
expect(0 "" "" vrbinov_late.46g)
expect(1 "${hutky_late_departure}${hutky_late_arrival}${vrbinov_late_departure}${vrbinov_late_arrival}" ""
       hutky.46g vrbinov_late.46g)
expect(1 "${vrbinov_late_departure}${vrbinov_late_arrival}${hutky_late_departure}${hutky_late_arrival}" ""
       vrbinov_late.46g hutky.46g)
expect(1 "hutky.46g:31: Os 4521: v grafikonu stanice Vrbinov chybí příjezd\n" "" hutky.46g vrbinov_empty.46g)
expect(2 "hutky.46g:31: Os 4521: v grafikonu stanice Vrbinov chybí příjezd\n" "Soubor nelze přečíst „missing.46g“"
       hutky.46g missing.46g vrbinov_empty.46g)
if(failures)
  message(FATAL_ERROR "tgxeditor --check:${failures}")
endif()
