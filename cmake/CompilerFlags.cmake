# Flags every build tree shares: the warnings, and in a tree that makes the
# Debian packages (neither sanitized nor fuzz) Debian's hardening flags.

# Warnings are errors where asked (./test asks), so a new one fails the run.
add_compile_options(-Wall -Wextra)
if(TGX_WERROR)
  add_compile_options(-Werror)
endif()

# The flags Debian builds its packages with, from dpkg-buildflags with every
# hardening feature on: stack protector, _FORTIFY_SOURCE, format checks, full
# RELRO and immediate binding. A sanitized or fuzz tree is never packaged, and
# _FORTIFY_SOURCE's checked functions would stand in the sanitizers' way.
find_program(TGX_DPKG_BUILDFLAGS dpkg-buildflags)
if(TGX_DPKG_BUILDFLAGS AND NOT TGX_SANITIZE AND NOT TGX_FUZZ)
  foreach(kind IN ITEMS CPPFLAGS CFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${TGX_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  string(APPEND CMAKE_C_FLAGS " ${debian_CPPFLAGS} ${debian_CFLAGS}")
  string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
  foreach(kind IN ITEMS EXE SHARED MODULE)
    string(APPEND CMAKE_${kind}_LINKER_FLAGS " ${debian_LDFLAGS}")
  endforeach()
endif()

# lld, where installed, links the many test programs in a fraction of GNU
# ld's time. Programs only: the shared library keeps the linker its version
# script and notes are checked with.
find_program(TGX_LLD ld.lld)
if(TGX_LLD)
  string(APPEND CMAKE_EXE_LINKER_FLAGS " -fuse-ld=lld")
endif()
