# The version both programs report: the project's version (project() in
# CMakeLists.txt, its one place) and the commit the sources come from.
# The commit is read at every build, not only at configure time, so a build
# after a new commit or an edit names it; the header is rewritten only when
# its text changes, so nothing is recompiled otherwise. Outside a git
# checkout the commit is "unknown" unless QVN_SOURCE_COMMIT names it.
set(QVN_SOURCE_COMMIT "" CACHE STRING "Source commit to report when the sources are not a git checkout")
set(QVN_VERSION_HEADER ${CMAKE_BINARY_DIR}/generated/qvn_version.h)
add_custom_target(qvn_version_header
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DOUTPUT=${QVN_VERSION_HEADER}
          -DVERSION=${PROJECT_VERSION} -DCOMMIT=${QVN_SOURCE_COMMIT}
          -P ${PROJECT_SOURCE_DIR}/cmake/write_version.cmake
  BYPRODUCTS ${QVN_VERSION_HEADER}
  COMMENT "Reading the source commit"
  VERBATIM)

# The targets that print the version (included after the layers' folders).
foreach(target qvncli quorvane)
  if(TARGET ${target})
    target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated)
    add_dependencies(${target} qvn_version_header)
  endif()
endforeach()
