# SPDX-License-Identifier: GPL-3.0-or-later
# Runs cmake/FontCheck.cmake twice: with a fontconfig set-up that holds only
# the DejaVu faces it must warn and name fonts-liberation; with the machine's
# own set-up it must warn exactly when fc-match does not answer Arial with
# Liberation Sans or Arial.
# -DROOT=<source folder> -DWORK=<scratch folder>
find_program(FC_MATCH fc-match)
if(NOT FC_MATCH)
    message(STATUS "fc-match is not installed: nothing to check")
    return()
endif()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/fonts.conf" "<?xml version=\"1.0\"?>
<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>${WORK}/cache</cachedir>
  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>
</fontconfig>
")

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "FONTCONFIG_FILE=${WORK}/fonts.conf"
            ${CMAKE_COMMAND} -P "${ROOT}/cmake/FontCheck.cmake"
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "FontCheck.cmake failed: ${err}")
endif()
if(NOT err MATCHES "CMake Warning" OR NOT err MATCHES "fonts-liberation" OR NOT err MATCHES "DejaVu Sans")
    message(FATAL_ERROR "No warning without Liberation Sans; printed:\n${out}${err}")
endif()

execute_process(COMMAND ${FC_MATCH} --format=%{family[0]} Arial OUTPUT_VARIABLE face)
execute_process(
    COMMAND ${CMAKE_COMMAND} -P "${ROOT}/cmake/FontCheck.cmake"
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(face MATCHES "^(Liberation Sans|Arial)$")
    if(err MATCHES "Warning")
        message(FATAL_ERROR "A warning although Arial is ${face}:\n${err}")
    endif()
elseif(NOT err MATCHES "fonts-liberation")
    message(FATAL_ERROR "No warning although Arial is ${face}:\n${err}")
endif()
message(STATUS "Arial is ${face}; the check warns without Liberation Sans")
