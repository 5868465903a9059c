# tgx_add_test(NAME name SOURCES ... LIBS ... [PLAIN])
# One Qt Test executable per area, registered with CTest. Every test runs on the
# offscreen platform, so no display is needed, and keeps its state and
# settings (recovery copies, recent files) in the build tree, not the user's home.
#
# ./test runs the test programs once, in the sanitized tree, and makes the
# packages in a tree configured with TGX_TEST_PROGRAMS=OFF: there a test
# program is built and run only when marked PLAIN (it checks what only an
# unsanitized build shows, such as run times); the others are left out of the
# build and their tests are disabled, which CTest lists as not run.
#
# The many test programs share one precompiled header of the Qt headers they
# use, compiled once for the tree (tgx_test_headers) instead of parsed again
# for every source. Sharing it needs the same flags everywhere, so every test
# is compiled as a Qt Widgets program, also those that use QtCore alone, and
# without Qt Test's folders of test data, which differ from folder to folder
# and which no test looks for.
set(tgx_test_flags -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)
add_executable(tgx_test_headers ${CMAKE_CURRENT_LIST_DIR}/test_headers_main.cpp)
if(NOT TGX_TEST_PROGRAMS)
  # Built only for a PLAIN test program, which needs its header.
  set_target_properties(tgx_test_headers PROPERTIES EXCLUDE_FROM_ALL ON)
endif()
target_link_libraries(tgx_test_headers PRIVATE Qt6::Test Qt6::Widgets)
target_compile_options(tgx_test_headers PRIVATE ${tgx_test_flags})
target_precompile_headers(tgx_test_headers PRIVATE
  <QTest> <QSignalSpy> <QApplication> <QWidget> <QAction> <QLabel> <QLineEdit> <QPushButton>
  <QComboBox> <QListView> <QPlainTextEdit> <QScrollBar> <QImage> <QDir> <QFile> <QTemporaryDir>
  <QString> <QStringList> <functional> <memory> <vector>)

function(tgx_add_test)
  cmake_parse_arguments(T "PLAIN" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set(left_out OFF)
  if(NOT TGX_TEST_PROGRAMS AND NOT T_PLAIN)
    set(left_out ON)
  endif()
  set_target_properties(${T_NAME} PROPERTIES EXCLUDE_FROM_ALL ${left_out})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test Qt6::Widgets ${T_LIBS})
  target_precompile_headers(${T_NAME} REUSE_FROM tgx_test_headers)
  target_compile_options(${T_NAME} PRIVATE ${tgx_test_flags})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-home/state;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/config"
    TIMEOUT 300 DISABLED ${left_out})
endfunction()
