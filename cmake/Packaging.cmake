# The Debian package: `cpack -G DEB` in a build tree makes
# tgx-editor_<version>_<architecture>.deb of everything `cmake --install`
# puts in place. Its library dependencies are found by dpkg-shlibdeps.

set(CPACK_PACKAGE_NAME tgx-editor)
set(CPACK_PACKAGE_VENDOR "Ukázkový Autor")
set(CPACK_PACKAGE_CONTACT "Ukázkový Autor <tgx-editor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Timetable editor for the Zelto Edice 246 simulators")
set(CPACK_PACKAGE_DESCRIPTION
"TGX editor creates and edits the timetables (grafikon, .46g files) of the six
Zelto Edice 246 station dispatcher simulators: the simulator and the
timetable's properties, the trains through a checking dialog, the raw text,
and an export of the train list. The files are written byte for byte as the
simulators read them. The interface is in Czech.

The package also holds zifrol, the small library of the simulators' counter
step (libzifrol.so and zifrol.h).")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/tgx-editor/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Czech texts: the standard buttons and the file dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
