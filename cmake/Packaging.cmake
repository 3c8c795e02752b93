# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the installed program: cpack -G DEB in the build folder.
#
# The package holds exactly what cmake --install puts under the configured
# CMAKE_INSTALL_PREFIX, the place the program also looks for its help file
# (korvath::buildinfo::kInstalledDataDir). A Debian package belongs under
# /usr: configure the build with -DCMAKE_INSTALL_PREFIX=/usr to make one.
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VENDOR "${KORVATH_ORGANIZATION}")
set(CPACK_PACKAGE_CONTACT "${KORVATH_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION "${KORVATH_PACKAGE_VERSION}")
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    message(STATUS "The Debian package would install under ${CMAKE_INSTALL_PREFIX}; "
                   "configure with -DCMAKE_INSTALL_PREFIX=/usr to make one for Debian")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The extended description in lines of at most 80 characters (CPack puts the
# space in front of each).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "${KORVATH_DISPLAY_NAME} lets a student pick the Earth or the Sun, scale its
radius and mass, read its density, its Schwarzschild radius and the curvature
of space around it, and trace a light ray that bends towards it.")
# The Qt libraries the program links, the platform plugins that open its
# window, and the metric-compatible face of its Arial window font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-qpa-plugins, fonts-liberation")
# The Japanese texts want a CJK face; the program runs without one, so it is
# recommended rather than required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
