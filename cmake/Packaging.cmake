# The Debian packages: `cpack -G DEB` in a build tree makes one .deb for each
# install component, named <package>_<version>_<architecture>.deb:
#   editor              tgx-editor      the program and what a desktop needs
#   zifrol_runtime      libzifrol1      libzifrol.so.1
#   zifrol_development  libzifrol-dev   zifrol.h, libzifrol.so, zifrol.pc
# All three come from this one source, so they share its version. Their
# library dependencies are found by dpkg-shlibdeps.

set(tgx_packages editor:tgx-editor zifrol_runtime:libzifrol1 zifrol_development:libzifrol-dev)

# Every package carries the terms and the changelog in its documentation
# folder, the changelog compressed as Debian wants it (gzip -9n: no name, no
# time stamp).
set(tgx_changelog ${CMAKE_BINARY_DIR}/packaging/changelog)
configure_file(packaging/changelog.in ${tgx_changelog} @ONLY)
add_custom_command(OUTPUT ${tgx_changelog}.gz
  COMMAND gzip -9nkf ${tgx_changelog}
  DEPENDS ${tgx_changelog}
  COMMENT "Compressing the Debian changelog"
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${tgx_changelog}.gz)
foreach(package IN LISTS tgx_packages)
  string(REPLACE ":" ";" package ${package})
  list(GET package 0 component)
  list(GET package 1 name)
  install(FILES packaging/copyright ${tgx_changelog}.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${name} COMPONENT ${component})
  string(TOUPPER ${component} component)
  set(CPACK_DEBIAN_${component}_PACKAGE_NAME ${name})
endforeach()

set(CPACK_PACKAGE_NAME tgx-editor)
set(CPACK_PACKAGE_VENDOR "Ukázkový Autor")
set(CPACK_PACKAGE_CONTACT "Ukázkový Autor <tgx-editor@example.org>")
set(CPACK_STRIP_FILES ON)
# The packaged install runs with the prefix /usr and the staging folder as
# DESTDIR, so what is written at install time (zifrol.pc) names /usr.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL editor zifrol_runtime zifrol_development)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The shlibs entry of the library's package, from which dpkg-shlibdeps makes
# its callers' dependencies.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

set(CPACK_DEBIAN_EDITOR_PACKAGE_SECTION editors)
# Qt's own Czech texts: the standard buttons and the file dialogs.
set(CPACK_DEBIAN_EDITOR_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_COMPONENT_EDITOR_DESCRIPTION
"timetable editor for the Zelto Edice 246 simulators
TGX editor creates and edits the timetables (grafikon, .46g files) of the six
Zelto Edice 246 station dispatcher simulators: the simulator and the
timetable's properties, the trains through a checking dialog, the raw text,
and an export of the train list. It shows the day's occupancy of the
station's tracks and checks the timetable as it is edited. The files are
written byte for byte as the simulators read them. The interface is in Czech.")

set(CPACK_DEBIAN_ZIFROL_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_COMPONENT_ZIFROL_RUNTIME_DESCRIPTION
"counter step of the Zelto Edice 246 simulators
zifrol is a small shared library with one function, A: the step of a
five-digit decimal counter, (n + 1) mod 100000, as the programs of the Zelto
Edice 246 simulators call it.")

set(CPACK_DEBIAN_ZIFROL_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_ZIFROL_DEVELOPMENT_DEPENDS zifrol_runtime)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENT_ZIFROL_DEVELOPMENT_DESCRIPTION
"counter step of the Zelto Edice 246 simulators - development files
zifrol is a small shared library with one function, A: the step of a
five-digit decimal counter, (n + 1) mod 100000, as the programs of the Zelto
Edice 246 simulators call it.

This package holds what a program calling A is built with: the header
zifrol.h, the link libzifrol.so and the pkg-config file zifrol.pc.")

# CPack calls ldconfig from maintainer scripts of its own; Debian's way is the
# ldconfig trigger, so the library's package is given that instead.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/use_ldconfig_trigger.cmake)

include(CPack)
