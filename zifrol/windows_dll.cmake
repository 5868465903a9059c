# zifrol_add_windows_dll(<target> <triplet>)
#
# Builds zifrol.dll with the MinGW-w64 cross toolchain <triplet> into
# <build>/zifrol/<target>/. The cross compiler runs as a custom command with
# flags of its own, so the host's flags (sanitizers included) never reach it.
# Without the toolchain the DLL is left out and configuring goes on.
#
# The target carries what the tests need: ZIFROL_DLL (the file),
# ZIFROL_CROSS_CXX and ZIFROL_CROSS_OBJDUMP (the tools).
function(zifrol_add_windows_dll target triplet)
  find_program(${target}_CXX ${triplet}-g++)
  find_program(${target}_WINDRES ${triplet}-windres)
  find_program(${target}_OBJDUMP ${triplet}-objdump)
  if(NOT ${target}_CXX OR NOT ${target}_WINDRES OR NOT ${target}_OBJDUMP)
    message(STATUS "zifrol: no ${triplet} cross toolchain; ${target}/zifrol.dll and its tests are left out")
    return()
  endif()

  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target})
  set(resource ${dir}/version_resource.o)
  set(dll ${dir}/zifrol.dll)
  set(sources
    ${CMAKE_CURRENT_SOURCE_DIR}/counter_step.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/export_windows.cpp)
  set(headers
    ${CMAKE_CURRENT_SOURCE_DIR}/zifrol.h
    ${CMAKE_CURRENT_SOURCE_DIR}/counter_step.h)
  set(def ${CMAKE_CURRENT_SOURCE_DIR}/zifrol.def)
  # One self-contained file: the compiler's runtime is linked in, so the DLL
  # imports system libraries only. The fixup lets the .def name the 32-bit
  # stdcall A@4 plainly A.
  set(flags -std=c++20 -O2 -Wall -Wextra -shared -static-libgcc -static-libstdc++ -s
    -Wl,--enable-stdcall-fixup -Wl,--no-insert-timestamp)

  add_custom_command(OUTPUT ${resource}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${${target}_WINDRES} -O coff -i ${ZIFROL_VERSION_RESOURCE} -o ${resource}
    DEPENDS ${ZIFROL_VERSION_RESOURCE}
    COMMENT "Compiling the version resource of ${target}/zifrol.dll"
    VERBATIM)
  add_custom_command(OUTPUT ${dll}
    COMMAND ${${target}_CXX} ${flags} -I${CMAKE_CURRENT_SOURCE_DIR} -o ${dll} ${sources} ${def} ${resource}
    DEPENDS ${sources} ${headers} ${def} ${resource}
    COMMENT "Cross-compiling ${target}/zifrol.dll with ${triplet}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${dll})
  set_target_properties(${target} PROPERTIES
    ZIFROL_DLL ${dll}
    ZIFROL_CROSS_CXX ${${target}_CXX}
    ZIFROL_CROSS_OBJDUMP ${${target}_OBJDUMP})
endfunction()
