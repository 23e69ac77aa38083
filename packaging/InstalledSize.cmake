# Run by cpack once it has made the package (CPACK_POST_BUILD_SCRIPTS). CPack counts a
# file twice in the package's Installed-Size when a link leads to it, as /usr/bin/velorast
# leads to the program: the package is made again by dpkg-deb from its own contents,
# unchanged, with the size counted as dpkg counts it: each file's size rounded up to a
# KiB, and a KiB for each link and folder. dpkg-deb takes the time stamps from
# SOURCE_DATE_EPOCH, so that the package stays the same when made again.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree ${deb}.contents)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${tree} ${tree}/*)
  set(kib 0)
  foreach(entry IN LISTS entries)
    if(entry MATCHES "^DEBIAN(/|$)")
      continue()
    endif()
    if(IS_SYMLINK ${tree}/${entry} OR IS_DIRECTORY ${tree}/${entry})
      math(EXPR kib "${kib} + 1")
    else()
      file(SIZE ${tree}/${entry} bytes)
      math(EXPR kib "${kib} + (${bytes} + 1023) / 1024")
    endif()
  endforeach()
  file(READ ${tree}/DEBIAN/control control)
  string(REGEX REPLACE "(^|\n)Installed-Size: [0-9]+\n" "\\1Installed-Size: ${kib}\n" control "${control}")
  file(WRITE ${tree}/DEBIAN/control "${control}")
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build ${tree} ${deb}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
