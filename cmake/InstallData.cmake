# SPDX-License-Identifier: GPL-3.0-or-later
# Files generated from the program's identity (set in the top-level
# CMakeLists.txt) and everything installed besides the program and its help
# file: the desktop entry, the AppStream metadata, the icons, the manual page
# and, in the Debian layout, the copyright and the changelog.
set(resources ${PROJECT_SOURCE_DIR}/resources)

set(KORVATH_RC_ICON "${resources}/korvath.ico")
configure_file(${resources}/korvath.rc.in ${KORVATH_GENERATED_DIR}/korvath.rc @ONLY)

if(NOT UNIX OR APPLE)
    return()
endif()

set(KORVATH_DESKTOP_FILE ${KORVATH_GENERATED_DIR}/${KORVATH_APP_ID}.desktop)
set(KORVATH_METAINFO_FILE ${KORVATH_GENERATED_DIR}/${KORVATH_APP_ID}.metainfo.xml)
configure_file(${resources}/korvath.desktop.in ${KORVATH_DESKTOP_FILE} @ONLY)
configure_file(${resources}/korvath.metainfo.xml.in ${KORVATH_METAINFO_FILE} @ONLY)
string(TOUPPER "${KORVATH_EXECUTABLE_NAME}" KORVATH_EXECUTABLE_NAME_UPPER)
configure_file(${resources}/korvath.1.in ${KORVATH_GENERATED_DIR}/${KORVATH_EXECUTABLE_NAME}.1 @ONLY)
configure_file(${resources}/changelog ${KORVATH_GENERATED_DIR}/changelog COPYONLY)

install(FILES ${KORVATH_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KORVATH_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${resources}/korvath-32.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME korvath.png)
install(FILES ${resources}/korvath.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${resources}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual page and the changelog are installed compressed, without a file
# name or a time in the gzip header, so that the same sources give the same
# bytes.
find_program(KORVATH_GZIP gzip)
if(KORVATH_GZIP)
    foreach(file ${KORVATH_EXECUTABLE_NAME}.1 changelog)
        execute_process(COMMAND ${KORVATH_GZIP} -9 -n -k -f ${KORVATH_GENERATED_DIR}/${file}
            RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "gzip ${file} failed: ${status}")
        endif()
    endforeach()
    install(FILES ${KORVATH_GENERATED_DIR}/${KORVATH_EXECUTABLE_NAME}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${KORVATH_GENERATED_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
else()
    message(STATUS "gzip not found: the manual page and the changelog are installed uncompressed")
    install(FILES ${KORVATH_GENERATED_DIR}/${KORVATH_EXECUTABLE_NAME}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${KORVATH_GENERATED_DIR}/changelog DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
