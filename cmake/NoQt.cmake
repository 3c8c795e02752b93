# SPDX-License-Identifier: GPL-3.0-or-later
# The model and the scene are plain C++: they must neither link nor include Qt.
# korvath_require_no_qt(target) fails the configuration if the target, or any
# target it links, names a Qt library; tests/check_no_qt.cmake checks the
# includes of their sources.
function(korvath_require_no_qt target)
    set(pending ${target})
    set(seen "")
    while(pending)
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(libs ${current} ${property})
            foreach(lib IN LISTS libs)
                if(lib MATCHES "(^|::|/|lib)Qt[0-9]*")
                    message(FATAL_ERROR "${target} must not depend on Qt, but ${current} links ${lib}")
                endif()
                list(APPEND pending ${lib})
            endforeach()
        endforeach()
    endwhile()
endfunction()
