# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what lands where and
# that the desktop entry and the AppStream metadata validate; then builds the
# Debian package and checks its contents, its fields and what lintian says.
#
# -DBUILD=build folder -DWORK=scratch folder -DAPP_ID=desktop/AppStream id
# -DDISPLAY_NAME, -DDISPLAY_VERSION: the name and version the user sees
# -DSTRICT=ON: a missing tool fails the check instead of skipping that part
# (a skipped part prints "korvath-check-skipped:", which ctest reports).
file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
include(${BUILD}/CPackConfig.cmake)  # the package's name, version and prefix

function(skip reason)
    if(STRICT)
        message(FATAL_ERROR "${reason}")
    endif()
    message(STATUS "korvath-check-skipped: ${reason}")
endfunction()

function(require_text text part what)
    string(FIND "${text}" "${part}" at)
    if(at LESS 0)
        message(FATAL_ERROR "${what} lacks ${part}:\n${text}")
    endif()
endfunction()

# --- The installed tree ------------------------------------------------------
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

# Nothing but the program goes into bin/.
file(GLOB bin_entries LIST_DIRECTORIES true RELATIVE ${prefix}/bin ${prefix}/bin/*)
if(NOT bin_entries STREQUAL "korvath")
    message(FATAL_ERROR "bin/ should hold only korvath, it holds: ${bin_entries}")
endif()

set(desktop_path share/applications/${APP_ID}.desktop)
set(metainfo_path share/metainfo/${APP_ID}.metainfo.xml)
foreach(file bin/korvath share/korvath/vesker.hlp ${desktop_path} ${metainfo_path}
             share/icons/hicolor/32x32/apps/korvath.png share/icons/hicolor/scalable/apps/korvath.svg
             share/man/man1/korvath.1.gz share/doc/korvath/copyright share/doc/korvath/changelog.gz)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

file(READ ${prefix}/${desktop_path} desktop)
foreach(line "Exec=korvath" "Icon=korvath" "Type=Application" "Name=${DISPLAY_NAME}")
    require_text("${desktop}" "${line}" "the desktop entry")
endforeach()
# Its words and the metadata's in every language of the program, and a
# manual page in each.
foreach(language IN LISTS LANGUAGES)
    if(NOT EXISTS ${prefix}/share/man/${language}/man1/korvath.1.gz)
        message(FATAL_ERROR "no manual page in ${language}")
    endif()
    foreach(key GenericName Comment Keywords)
        require_text("${desktop}" "\n${key}[${language}]=" "the desktop entry")
    endforeach()
endforeach()
file(READ ${prefix}/${metainfo_path} metainfo)
require_text("${metainfo}" "<id>${APP_ID}</id>" "the AppStream metadata")
require_text("${metainfo}" "<name>${DISPLAY_NAME}</name>" "the AppStream metadata")
require_text("${metainfo}" "<release version=\"${DISPLAY_VERSION}\"" "the AppStream metadata")
require_text("${metainfo}" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>" "the AppStream metadata")
foreach(language IN LISTS LANGUAGES)
    foreach(element summary p keyword)
        require_text("${metainfo}" "<${element} xml:lang=\"${language}\">" "the AppStream metadata")
    endforeach()
endforeach()
file(READ ${prefix}/share/korvath/vesker.hlp help)
require_text("${help}" "Schwarzschild" "the installed help file")
# The installed icon is the 32 x 32 PNG.
file(READ ${prefix}/share/icons/hicolor/32x32/apps/korvath.png png HEX LIMIT 24)
if(NOT png MATCHES "^89504e470d0a1a0a0000000d4948445200000020" OR NOT png MATCHES "00000020$")
    message(FATAL_ERROR "the 32x32 icon is not a 32 x 32 PNG: ${png}")
endif()
# The changelog's latest entry is the packaged version.
find_program(GZIP gzip)
if(GZIP)
    execute_process(COMMAND ${GZIP} -dc ${prefix}/share/doc/korvath/changelog.gz OUTPUT_VARIABLE changelog)
    if(NOT changelog MATCHES "^korvath \\(${CPACK_PACKAGE_VERSION}\\) ")
        message(FATAL_ERROR "the changelog does not start with version ${CPACK_PACKAGE_VERSION}:\n${changelog}")
    endif()
else()
    skip("gzip not found: the changelog is not read")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${prefix}/${desktop_path}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate ${desktop_path} (status ${status}):\n${out}")
    endif()
    message(STATUS "desktop-file-validate: no findings")
else()
    skip("desktop-file-validate not found (Debian: desktop-file-utils)")
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --no-color ${prefix}/${metainfo_path}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    message(STATUS "appstreamcli validate --no-net:\n${out}")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate failed (status ${status})")
    endif()
else()
    skip("appstreamcli not found (Debian: appstream)")
endif()

# --- The Debian package ------------------------------------------------------
find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
    skip("dpkg-deb not found: the package is not checked")
    return()
endif()
get_filename_component(cmake_dir ${CMAKE_COMMAND} DIRECTORY)
find_program(CPACK cpack HINTS ${cmake_dir} NO_DEFAULT_PATH)
find_program(CPACK cpack)
execute_process(COMMAND ${CPACK} -G DEB -B ${WORK}/package --config ${BUILD}/CPackConfig.cmake
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${out}")
endif()
file(GLOB debs ${WORK}/package/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb, found: ${debs}")
endif()
execute_process(COMMAND ${DPKG_DEB} -f ${debs} Package Version Depends Recommends
                OUTPUT_VARIABLE fields)
foreach(part "Package: korvath" "Version: ${CPACK_PACKAGE_VERSION}" "libqt6widgets6" "qt6-qpa-plugins"
             "fonts-liberation" "Recommends: fonts-noto-cjk")
    require_text("${fields}" "${part}" "the package fields")
endforeach()
# The Japanese face is recommended, not required: the program runs without it.
if(fields MATCHES "Depends:[^\n]*fonts-noto-cjk")
    message(FATAL_ERROR "the package requires fonts-noto-cjk:\n${fields}")
endif()

# The package puts the help file where the program looks for it.
file(READ ${BUILD}/generated/korvath_build_info.hpp build_info)
if(NOT build_info MATCHES "kInstalledDataDir\\[\\] = \"([^\"]*)\"")
    message(FATAL_ERROR "korvath_build_info.hpp holds no kInstalledDataDir")
endif()
set(data_dir "${CMAKE_MATCH_1}")
set(root ".${CPACK_PACKAGING_INSTALL_PREFIX}")
execute_process(COMMAND ${DPKG_DEB} -c ${debs} OUTPUT_VARIABLE listing)
foreach(path "${root}/bin/korvath" ".${data_dir}/vesker.hlp" "${root}/${desktop_path}"
             "${root}/${metainfo_path}" "${root}/share/doc/korvath/copyright")
    require_text("${listing}" " ${path}\n" "the package")
endforeach()
string(REGEX MATCHALL " ${root}/bin/[^\n]+" bin_listing "${listing}")
if(NOT bin_listing STREQUAL " ${root}/bin/korvath")
    message(FATAL_ERROR "the package's bin/ should hold only korvath: ${bin_listing}")
endif()

if(NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
    skip("lintian not run: this build is configured for ${CPACK_PACKAGING_INSTALL_PREFIX}, "
         "a Debian package belongs under /usr (configure with -DCMAKE_INSTALL_PREFIX=/usr)")
    return()
endif()
find_program(LINTIAN lintian)
if(NOT LINTIAN)
    skip("lintian not found (Debian: lintian)")
    return()
endif()
execute_process(COMMAND ${LINTIAN} --no-cfg ${debs}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
message(STATUS "lintian (status ${status}):\n${out}")
if(out MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "lintian reports errors")
endif()
message(STATUS "installed and packaged: ${debs}")
