# The Debian package, made with CPack from the install tree (cmake/install.cmake):
#   cpack -G DEB --config BUILD/CPackConfig.cmake
# scripts/package builds it with Debian's build flags and names it
# quorvane_VERSION_amd64.deb. The Windows installer and zip are made by
# scripts/package with NSIS (packaging/windows/), not with CPack.
if(WIN32)
  return()
endif()

set(QVN_PACKAGE_MAINTAINER "Quorvane developers <maintainers@quorvane.org>"
    CACHE STRING "Maintainer named in the Debian package (\"Name <address>\")")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quorvane developers")
set(CPACK_PACKAGE_CONTACT ${QVN_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find broken local links in a web site kept as files on disk")
# Debian shows the description as written: lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
Quorvane walks the top folder of a web site kept as files on disk, reads
every page and reports every local link whose target file does not exist,
grouped by the page that holds it and by the missing target. It also lists
the files no page links to, and can read pages as HTML, resolve links from
the site root and test index pages, anchors and letter case. On request it
also asks the servers of links to other sites whether they still answer.

The package holds the desktop program (quorvane, Qt 6) and the command qvn
for scripts and CI, which writes its results as text reports, JSON, CSV,
SARIF or Markdown and compares them with a baseline of known broken links.]])

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link (Qt 6, the C++ run time) found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop program draws its texts in Liberation Sans where Arial and Tahoma are missing.
# libcurl is loaded only when the check of links to other sites first asks a
# server (dpkg-shlibdeps cannot see it): everything else runs without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, libcurl4")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

# Before the package is made from the staged tree: programs stripped, manual
# pages compressed, the changelog and lintian's overrides, as Debian has them.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_prebuild.cmake)
set(CPACK_QVN_VERSION_HEADER ${QVN_VERSION_HEADER})
set(CPACK_QVN_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
include(CPack)
