# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the page's service worker: the files it keeps for offline use, and
# a version from their contents, so that each build gets its own copy.
#   cmake -DTEMPLATE=sw.js.in -DFOLDER=... -DFILES="a;b;..." -DOUT=... -P make_worker.cmake
set(hashes "")
set(FILE_LIST "'./'")
foreach(f IN LISTS FILES)
    file(SHA256 ${FOLDER}/${f} h)
    string(APPEND hashes ${h})
    string(APPEND FILE_LIST ", '${f}'")
endforeach()
string(SHA256 VERSION "${hashes}")
string(SUBSTRING ${VERSION} 0 16 VERSION)
configure_file(${TEMPLATE} ${OUT} @ONLY)
