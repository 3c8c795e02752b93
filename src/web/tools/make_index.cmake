# Writes the page's index.html from its template, with the window title
# taken from the exported layout: cmake -DTEMPLATE=... -DLAYOUT=... -DOUT=... -P make_index.cmake
file(READ ${LAYOUT} layout)
string(JSON TITLE GET "${layout}" window title)
# The title goes into HTML text: escape what HTML would read as markup.
string(REPLACE "&" "&amp;" TITLE "${TITLE}")
string(REPLACE "<" "&lt;" TITLE "${TITLE}")
string(REPLACE ">" "&gt;" TITLE "${TITLE}")
configure_file(${TEMPLATE} ${OUT} @ONLY)
