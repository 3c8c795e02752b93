# SPDX-License-Identifier: GPL-3.0-or-later
# The program's identity and install locations as a generated C++ header,
# korvath_build_info.hpp, offered to the code through the INTERFACE library
# korvath_build_info.

# A value as the body of a C++ string literal.
function(korvath_cxx_string out value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

set(KORVATH_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
# Where the help file is installed, and the same place seen from the folder
# of the installed program (for an installation moved to another prefix).
set(KORVATH_INSTALLED_DATADIR "${CMAKE_INSTALL_FULL_DATADIR}/korvath")
file(RELATIVE_PATH KORVATH_DATADIR_FROM_BINDIR
    "${CMAKE_INSTALL_FULL_BINDIR}" "${KORVATH_INSTALLED_DATADIR}")

korvath_cxx_string(KORVATH_CXX_DISPLAY_NAME "${KORVATH_DISPLAY_NAME}")
korvath_cxx_string(KORVATH_CXX_DISPLAY_VERSION "${KORVATH_DISPLAY_VERSION}")
korvath_cxx_string(KORVATH_CXX_ORGANIZATION "${KORVATH_ORGANIZATION}")
korvath_cxx_string(KORVATH_CXX_APP_ID "${KORVATH_APP_ID}")
korvath_cxx_string(KORVATH_CXX_EXECUTABLE_NAME "${KORVATH_EXECUTABLE_NAME}")
korvath_cxx_string(KORVATH_CXX_INSTALLED_DATADIR "${KORVATH_INSTALLED_DATADIR}")
korvath_cxx_string(KORVATH_CXX_DATADIR_FROM_BINDIR "${KORVATH_DATADIR_FROM_BINDIR}")
list(JOIN KORVATH_LANGUAGES "\", \"" KORVATH_CXX_LANGUAGES)
configure_file(${CMAKE_CURRENT_LIST_DIR}/korvath_build_info.hpp.in
    ${KORVATH_GENERATED_DIR}/korvath_build_info.hpp @ONLY)

add_library(korvath_build_info INTERFACE)
target_include_directories(korvath_build_info INTERFACE ${KORVATH_GENERATED_DIR})
