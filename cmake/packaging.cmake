# SPDX-License-Identifier: MIT
# Debian package of the installed files: `cpack -G DEB` in the build folder.
# Include at the end of the top-level CMakeLists.txt, after every install() rule.
set(CPACK_PACKAGE_NAME "nickbridge")
set(CPACK_PACKAGE_VENDOR "NickBridge")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "nickbridge")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "NickBridge maintainers <nickbridge@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
# The package's dependencies come from the libraries the programs actually link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
