# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM with the list ARGS and checks its exit status (STATUS) and
# that its standard output and standard error match the regular expressions
# STDOUT and STDERR. Optional: JSON (standard output must parse as JSON),
# OUTPUT_FILE (standard output goes there instead, e.g. /dev/full), ABSENT (a
# file the run must not leave behind), PNG and PNG_SIZE (the PNG the run
# writes and its width x height, e.g. 557x413) and NO_RUNTIME_DIR (the program gets no
# XDG_RUNTIME_DIR, as under cron).
#
# Otherwise the program gets a private XDG_RUNTIME_DIR: without one (a root
# session) Qt may write a note on standard error that is not the program's
# output.
if(NO_RUNTIME_DIR)
    unset(ENV{XDG_RUNTIME_DIR})
else()
    set(runtime_dir ${CMAKE_CURRENT_BINARY_DIR}/program-run-xdg)
    file(MAKE_DIRECTORY ${runtime_dir})
    file(CHMOD ${runtime_dir} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    set(ENV{XDG_RUNTIME_DIR} ${runtime_dir})
endif()
if(ABSENT)
    file(REMOVE ${ABSENT})
endif()

if(OUTPUT_FILE)
    execute_process(COMMAND ${PROGRAM} ${ARGS} OUTPUT_FILE ${OUTPUT_FILE}
        RESULT_VARIABLE status ERROR_VARIABLE err TIMEOUT 20)
    set(out "")
else()
    execute_process(COMMAND ${PROGRAM} ${ARGS}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
endif()
list(JOIN ARGS " " shown_args)
set(report "korvath ${shown_args}\nexit status: ${status}\nstandard output:\n${out}\nstandard error:\n${err}")
if(NOT "${status}" STREQUAL "${STATUS}")
    message(FATAL_ERROR "expected exit status ${STATUS}\n${report}")
endif()
if(NOT "${out}" MATCHES "${STDOUT}")
    message(FATAL_ERROR "standard output does not match ${STDOUT}\n${report}")
endif()
if(NOT "${err}" MATCHES "${STDERR}")
    message(FATAL_ERROR "standard error does not match ${STDERR}\n${report}")
endif()
if(JSON)
    string(JSON length ERROR_VARIABLE json_error LENGTH "${out}")
    if(json_error)
        message(FATAL_ERROR "standard output is not JSON: ${json_error}\n${report}")
    endif()
endif()
if(ABSENT AND EXISTS ${ABSENT})
    message(FATAL_ERROR "the run left ${ABSENT} behind\n${report}")
endif()
if(PNG)
    file(READ ${PNG} header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width_hex)
    string(SUBSTRING "${header}" 8 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT "${width}x${height}" STREQUAL "${PNG_SIZE}")
        message(FATAL_ERROR "${PNG} is ${width}x${height}, not ${PNG_SIZE}\n${report}")
    endif()
endif()
