# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the page's index.html from its template: the window title, the
# exported layout and the English texts go into it, so that the page has them
# without fetching them.
#   cmake -DTEMPLATE=... -DLAYOUT=... -DSTRINGS=... -DOUT=... -P make_index.cmake
file(READ ${LAYOUT} LAYOUT_JSON)
file(READ ${STRINGS} STRINGS_JSON)
string(JSON TITLE GET "${LAYOUT_JSON}" window title)
# The title goes into HTML text: escape what HTML would read as markup.
string(REPLACE "&" "&amp;" TITLE "${TITLE}")
string(REPLACE "<" "&lt;" TITLE "${TITLE}")
string(REPLACE ">" "&gt;" TITLE "${TITLE}")
# Inside a script element nothing may look like its end tag; "<\/" is the
# same text in JSON.
string(REPLACE "</" "<\\/" LAYOUT_JSON "${LAYOUT_JSON}")
string(REPLACE "</" "<\\/" STRINGS_JSON "${STRINGS_JSON}")
configure_file(${TEMPLATE} ${OUT} @ONLY)
