# Runs `tgxeditor --export-csv` and `--import-csv` as a user does, with no
# display at all, and checks their exit codes, what they write and what they
# say on standard error.
# Arguments: -DPROGRAM=<tgxeditor> -DWORK_DIR=<scratch folder>
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(record "1804521107050712070011207130740270000012013000000000000000000000000")
set(row "Os;4521;Česká Zálesí;07:05;07:12;1;;;Vrbinov;07:13;07:40;012;013;;;;;;;;;\r\n")

# A Hutky timetable in code page 1250 with CR LF (Ž being 0x8E), its lines 3
# to 5 as given and the records after the header.
function(timetable_text out line3 line4 line5)
  string(ASCII 142 z_caron)
  set(text "Letn\r\nZelto ${z_caron}ST Hutky\r\n${line3}\r\n${line4}\r\n${line5}\r\n")
  foreach(line RANGE 6 30)
    string(APPEND text "\r\n")
  endforeach()
  foreach(record IN LISTS ARGN)
    string(APPEND text "${record}\r\n")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/../support/command_checks.cmake)
# Runs the program with the arguments after the expected exit code and a
# piece of standard error (empty: nothing on it).
function(expect_run code expected_err)
  run_without_display(result out err ${ARGN})
  if(NOT result STREQUAL code)
    set(failures "${failures}\n  ${ARGN}: exit ${result}, expected ${code} (${err})" PARENT_SCOPE)
  endif()
  holds_piece(err_ok "${err}" "${expected_err}")
  if(NOT err_ok)
    set(failures "${failures}\n  ${ARGN} wrote on standard error\n${err}" PARENT_SCOPE)
  endif()
endfunction()

function(expect_file name expected)
  file(READ ${WORK_DIR}/${name} written HEX)
  string(HEX "${expected}" expected)
  if(NOT written STREQUAL expected)
    set(failures "${failures}\n  ${name} holds ${written},\n  expected ${expected}" PARENT_SCOPE)
  endif()
endfunction()

timetable_text(plan "" "" "" ${record})
file(WRITE ${WORK_DIR}/plan.46g "${plan}")
string(ASCII 239 187 191 bom)
set(table "${bom}Druh;Číslo;Ze stanice;Odjezd ze sousední;Příjezd;Kolej;Průjezd sousední;Průjezd;Do stanice;Odjezd;Příjezd do sousední;Vůz 1;Vůz 2;Vůz 3;Vůz 4;Vůz 5;Vůz 6;Vůz 7;Vůz 8;Vůz 9;Vůz 10;Poznámka\r\n${row}")

expect_run(0 "" --export-csv plan.46g plan.csv)
expect_file(plan.csv "${table}")

# Importing the table appends its train and saves as Save does.
expect_run(0 "" --import-csv plan.csv plan.46g)
timetable_text(saved "num-code" "20TGX editor 2.0" "2" ${record} ${record})
expect_file(plan.46g "${saved}")

# One refused row: nothing is written.
file(WRITE ${WORK_DIR}/refused.csv
  "Druh;Číslo;Ze stanice;Kolej;Do stanice;Odjezd;Příjezd do sousední\nOs;1;Výchozí;1;Vrbinov;6:00;6:20\nOs;2;Výchozí;9;Vrbinov;6:00;6:20\n")
expect_run(2 "refused.csv: řádek 3, sloupec „Kolej“: Kolej „9“ není v seznamu kolejí simulátoru" --import-csv refused.csv plan.46g)
expect_file(plan.46g "${saved}")

# A save that would ask first (a newer editor's file) writes nothing either.
timetable_text(newer "num-code" "21TGX editor 2.1" "1" ${record})
file(WRITE ${WORK_DIR}/newer.46g "${newer}")
expect_run(2 "newer.46g: neuloženo" --import-csv plan.csv newer.46g)
expect_file(newer.46g "${newer}")

# Files that cannot be read or written, and usage errors.
expect_run(2 "missing.46g" --export-csv missing.46g out.csv)
expect_run(2 "missing.csv" --import-csv missing.csv plan.46g)
expect_run(2 "no-folder" --export-csv plan.46g no-folder/out.csv)
expect_run(2 "právě dva soubory" --export-csv plan.46g)
expect_run(2 "právě dva soubory" --import-csv a.csv b.46g c.46g)
if(EXISTS ${WORK_DIR}/out.csv)
  set(failures "${failures}\n  out.csv was written from a missing timetable")
endif()
if(failures)
  message(FATAL_ERROR "tgxeditor --export-csv/--import-csv:${failures}")
endif()
