# SPDX-License-Identifier: GPL-3.0-or-later
# The window is laid out for Arial: captions and values are sized for its
# widths. Fontconfig answers a request for Arial with the closest face it has;
# Liberation Sans has Arial's widths, most other faces (DejaVu Sans among
# them) are wider. The program still shows every character then (it shrinks
# a text that does not fit), but in smaller type: say so at configure time.
find_program(KORVATH_FC_MATCH fc-match)
mark_as_advanced(KORVATH_FC_MATCH)
if(KORVATH_FC_MATCH)
    execute_process(
        COMMAND ${KORVATH_FC_MATCH} --format=%{family[0]} Arial
        OUTPUT_VARIABLE korvath_arial_face
        RESULT_VARIABLE korvath_fc_result
        ERROR_QUIET
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(korvath_fc_result EQUAL 0 AND NOT korvath_arial_face MATCHES "^(Liberation Sans|Arial)$")
        message(WARNING
            "No font with Arial's widths is installed: Arial is shown as \"${korvath_arial_face}\". "
            "Captions and values that do not fit their places are shown in smaller type. "
            "Install the Liberation fonts (Debian and Ubuntu: apt-get install fonts-liberation).")
    endif()
endif()
