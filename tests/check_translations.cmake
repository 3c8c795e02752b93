# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a user-visible text of the sources has no translation: lupdate
# is run on copies of the .ts files, and must find no new text; lrelease must
# find no unfinished one.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB ts_files ${ROOT}/translations/*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no .ts files in ${ROOT}/translations")
endif()
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK})
    # English, the source language, holds only the forms of counted texts.
    set(only)
    if(name STREQUAL "korvath_en.ts")
        set(only -pluralonly)
    endif()
    execute_process(COMMAND ${LUPDATE} ${only} -no-obsolete -locations none -source-language en
                            ${ROOT}/src/ui ${ROOT}/src/help ${ROOT}/src/app ${ROOT}/src/web/tools -ts ${WORK}/${name}
        OUTPUT_VARIABLE updated ERROR_VARIABLE updated RESULT_VARIABLE status)
    # (English counts every text as new before it strips all but the counted
    # ones; a counted text without its forms shows as unfinished below.)
    if(NOT status EQUAL 0 OR (NOT only AND NOT updated MATCHES "\\(0 new and"))
        message(FATAL_ERROR "${name}: texts without a translation entry; run the target "
                            "update_translations and translate them:\n${updated}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${WORK}/${name} -qm ${WORK}/${name}.qm
        OUTPUT_VARIABLE released ERROR_VARIABLE released RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT released MATCHES " 0 unfinished\\)")
        message(FATAL_ERROR "${name}: unfinished translations:\n${released}")
    endif()
endforeach()
