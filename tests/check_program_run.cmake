# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM with the list ARGS and checks its exit status (STATUS) and
# that its standard output and standard error match the regular expressions
# STDOUT and STDERR.
#
# The program gets a private XDG_RUNTIME_DIR: without one (a root session)
# Qt writes a warning on standard error that is not the program's output.
set(runtime_dir ${CMAKE_CURRENT_BINARY_DIR}/program-run-xdg)
file(MAKE_DIRECTORY ${runtime_dir})
file(CHMOD ${runtime_dir} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{XDG_RUNTIME_DIR} ${runtime_dir})

execute_process(COMMAND ${PROGRAM} ${ARGS}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
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
