# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file does not say its licence in its first lines.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
    ${ROOT}/src/*.cpp ${ROOT}/src/*.hpp ${ROOT}/src/*.js ${ROOT}/src/*.css ${ROOT}/src/*.in
    ${ROOT}/tests/*.cpp ${ROOT}/tests/*.hpp ${ROOT}/tests/*.mjs ${ROOT}/tests/*.cmake ${ROOT}/tests/*.sh
    ${ROOT}/bench/*.cpp ${ROOT}/bench/*.hpp ${ROOT}/bench/*.mjs
    ${ROOT}/cmake/*.cmake ${ROOT}/scripts/* ${ROOT}/*/CMakeLists.txt)
list(APPEND sources CMakeLists.txt .ci/run)
set(missing)
foreach(source IN LISTS sources)
    if(source MATCHES "(^|/)node_modules/")
        continue()
    endif()
    file(STRINGS ${ROOT}/${source} head LIMIT_COUNT 3)
    if(NOT head MATCHES "SPDX-License-Identifier: ")
        list(APPEND missing ${source})
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "no SPDX-License-Identifier in the first lines of:\n  ${missing}")
endif()
