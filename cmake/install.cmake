# What `cmake --install` lays out. On Linux the usual tree under the prefix:
#   bin/qvn, bin/quorvane
#   share/quorvane/            the message catalogue and the help text, which the
#                              programs look for in ../share/quorvane
#   share/applications/, share/metainfo/, share/icons/hicolor/   (the desktop program)
#   share/man/man1/, share/bash-completion/, share/zsh/, share/fish/
#   share/doc/quorvane/copyright
# On Windows everything goes into bin/, as the programs look beside themselves.
# (The programs' own install rules sit with their targets, in src/.)

if(WIN32)
  install(FILES ${QVN_DATA_FILES} DESTINATION bin)
  return()
endif()

set(QVN_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QVN_APP_ID org.quorvane.Quorvane)
install(FILES ${QVN_DATA_FILES} DESTINATION share/quorvane)
install(FILES ${QVN_PACKAGING_DIR}/debian/copyright DESTINATION share/doc/quorvane)
install(FILES ${QVN_PACKAGING_DIR}/man/qvn.1 DESTINATION share/man/man1)
install(FILES ${QVN_PACKAGING_DIR}/completions/qvn.bash
        DESTINATION share/bash-completion/completions RENAME qvn)
install(FILES ${QVN_PACKAGING_DIR}/completions/_qvn DESTINATION share/zsh/vendor-completions)
install(FILES ${QVN_PACKAGING_DIR}/completions/qvn.fish DESTINATION share/fish/vendor_completions.d)

if(TARGET quorvane AND NOT WIN32)
  install(FILES ${QVN_PACKAGING_DIR}/man/quorvane.1 DESTINATION share/man/man1)
  install(FILES ${QVN_PACKAGING_DIR}/linux/${QVN_APP_ID}.desktop DESTINATION share/applications)
  install(FILES ${QVN_PACKAGING_DIR}/linux/${QVN_APP_ID}.metainfo.xml DESTINATION share/metainfo)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION share/icons)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/quorvane.svg
          DESTINATION share/icons/hicolor/scalable/apps)
endif()
