# Run by CPack on the staged tree before it makes the Debian package
# (cmake/packaging.cmake), to give it what Debian's tools expect: programs
# stripped as Debian strips them, manual pages compressed, lintian's
# overrides, and a changelog naming the source commit of the build.
# The date is SOURCE_DATE_EPOCH's when it is set, for reproducible packages.
find_program(GZIP gzip REQUIRED)
find_program(STRIP strip REQUIRED)
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

file(GLOB programs ${usr}/bin/*)
foreach(program ${programs})
  execute_process(COMMAND ${STRIP} --remove-section=.comment --remove-section=.note ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(GLOB_RECURSE man_pages ${usr}/share/man/*.[1-9])
foreach(page ${man_pages})
  execute_process(COMMAND ${GZIP} -9n ${page} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(MAKE_DIRECTORY ${usr}/share/lintian/overrides)
file(COPY_FILE ${CPACK_QVN_PACKAGING_DIR}/debian/lintian-overrides
     ${usr}/share/lintian/overrides/${CPACK_PACKAGE_NAME})

file(STRINGS ${CPACK_QVN_VERSION_HEADER} commit_line REGEX "QVN_BUILD_COMMIT")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" commit "${commit_line}")
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(changelog ${usr}/share/doc/${CPACK_PACKAGE_NAME}/changelog)
file(WRITE ${changelog}
"${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium

  * Quorvane ${CPACK_PACKAGE_VERSION}, built from source commit ${commit}.

 -- ${CPACK_PACKAGE_CONTACT}  ${date}
")
execute_process(COMMAND ${GZIP} -9n ${changelog} COMMAND_ERROR_IS_FATAL ANY)
