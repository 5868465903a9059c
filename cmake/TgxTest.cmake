# tgx_add_test(NAME name SOURCES ... LIBS ...)
# One Qt Test executable per area, registered with CTest. Every test runs on the
# offscreen platform, so no display is needed, and keeps its state and
# settings (recovery copies, recent files) in the build tree, not the user's home.
function(tgx_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-home/state;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/config"
    TIMEOUT 300)
endfunction()
