# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the page's index.html from its template: the window title, the
# exported layout and the English texts go into it, so that the page has them
# without fetching them.
#   cmake -DTEMPLATE=... -DLAYOUT=... -DSTRINGS=... -DOUT=... -P make_index.cmake
# With -DSINGLE=ON it writes the single file that needs no server instead:
# the styles, the module with its WebAssembly (-DMODULE=, a build that
# carries it), the page's script (-DSCRIPT=), the texts of every language
# (-DSTRINGS_DIR=) and the help (-DHELP="FILE;...") all go into it.
#   cmake ... -DSINGLE=ON -DCSS=... -DMODULE=... -DSCRIPT=... -DSTRINGS_DIR=... -DHELP=... -P make_index.cmake
file(READ ${LAYOUT} LAYOUT_JSON)
file(READ ${STRINGS} STRINGS_JSON)
string(JSON TITLE GET "${LAYOUT_JSON}" window title)
# The title goes into HTML text: escape what HTML would read as markup.
string(REPLACE "&" "&amp;" TITLE "${TITLE}")
string(REPLACE "<" "&lt;" TITLE "${TITLE}")
string(REPLACE ">" "&gt;" TITLE "${TITLE}")
# Inside a script element nothing may look like its end tag; "<\/" is the
# same text in JSON and in JavaScript strings.
macro(script_safe var)
    string(REPLACE "</" "<\\/" ${var} "${${var}}")
endmacro()
script_safe(LAYOUT_JSON)
script_safe(STRINGS_JSON)

if(NOT SINGLE)
    set(NEEDS_SERVER true)
    set(LOADER [=[<script>
// The simulation's WebAssembly starts compiling while the page's scripts
// load; once the page has loaded, a service worker keeps it for offline use.
if (!window.korvathPage.failed) {
  window.korvathWasm = WebAssembly.compileStreaming(fetch('korvath.wasm'));
  window.korvathWasm.catch(() => {});
  if ('serviceWorker' in navigator)
    addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}), {once: true});
}
</script>
<link rel="icon" href="korvath.svg" type="image/svg+xml">
<link rel="manifest" href="manifest.webmanifest">
<link rel="stylesheet" href="style.css">
<link rel="modulepreload" href="korvath.js">
<!-- The simulation's module is ready when the page's script runs, which
     starts it at once (a dynamic import there would evaluate it a task
     later). Where the browser can, it paints nothing until both have run:
     a paint of the empty page would only delay the window. -->
<script type="module" blocking="render" onerror="korvathPage.fail('moduleFailed', 'korvath.js')">
import createKorvath from './korvath.js';
window.korvathFactory = createKorvath;
</script>
<script type="module" blocking="render" src="app.js" onerror="korvathPage.fail('moduleFailed', 'app.js')"></script>]=])
    configure_file(${TEMPLATE} ${OUT} @ONLY)
    return()
endif()

# A text as a JSON string.
function(json_string out text)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    string(REPLACE "\r" "\\r" text "${text}")
    string(REPLACE "\t" "\\t" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

set(bundle "{\"strings\":{},\"help\":{}}")
file(GLOB languages ${STRINGS_DIR}/*.json)
foreach(f IN LISTS languages)
    get_filename_component(language ${f} NAME_WE)
    file(READ ${f} text)
    string(JSON bundle SET "${bundle}" strings ${language} "${text}")
endforeach()
foreach(f IN LISTS HELP)
    get_filename_component(name ${f} NAME)
    file(READ ${f} text)
    json_string(text "${text}")
    string(JSON bundle SET "${bundle}" help ${name} "${text}")
endforeach()
script_safe(bundle)
file(READ ${CSS} css)
file(READ ${MODULE} module)
file(READ ${SCRIPT} script)
# The module's factory for the page's script, which then imports nothing;
# the module's own names stay in a scope of their own.
string(REPLACE "export default createKorvath;" "return createKorvath;" module "${module}")
string(FIND "${module}" "return createKorvath;" found)
if(found EQUAL -1)
    message(FATAL_ERROR "${MODULE} does not end in the export make_index.cmake expects")
endif()
string(REPLACE "</script" "<\\/script" module "${module}")
string(REPLACE "</script" "<\\/script" script "${script}")
set(NEEDS_SERVER false)
set(LOADER "<style>\n${css}</style>
<script type=\"application/json\" id=\"bundleData\">${bundle}</script>
<script type=\"module\">\nwindow.korvathFactory = (() => {\n${module}\n})();\n${script}</script>")
configure_file(${TEMPLATE} ${OUT} @ONLY)
