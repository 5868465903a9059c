# Run by cpack after it has made the packages. CPack gives a package with a
# shared library in the loader's folders maintainer scripts that call
# ldconfig; Debian updates the loader's cache through the ldconfig trigger
# instead. Each such package is rebuilt with the trigger in their place, its
# files unchanged.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  if(EXISTS ${tree}/DEBIAN/postinst)
    file(STRINGS ${tree}/DEBIAN/postinst commands REGEX "^[ \t]*ldconfig$")
    if(NOT commands)
      message(FATAL_ERROR "${deb}: a postinst other than CPack's ldconfig call")
    endif()
    file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
    file(WRITE ${tree}/DEBIAN/triggers "activate-noawait ldconfig\n")
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build ${tree} ${deb}
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()
