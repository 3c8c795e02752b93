# A Debian package of the installed program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME "korvath")
set(CPACK_PACKAGE_VENDOR "Korvath")
set(CPACK_PACKAGE_CONTACT "Korvath maintainers <maintainers@korvath.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://korvath.invalid/")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Korvath simulation lets a student pick the Earth or the Sun, scale its radius and mass,\n read its density, its Schwarzschild radius and the curvature of space around it,\n and trace a light ray that bends towards it.")
# The Qt libraries the program links, the platform plugins that open its
# window, and the metric-compatible face of its Arial window font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, fonts-liberation")
include(CPack)
