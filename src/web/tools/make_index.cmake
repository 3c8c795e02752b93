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
# The page's title in each language (its first script names the page with
# the one it speaks before anything else runs), and what a browser without
# JavaScript shows, in every language.
string(JSON failures GET "${LAYOUT_JSON}" failures)
string(JSON language_count LENGTH "${failures}")
set(TITLES "{")
set(NOSCRIPT "")
math(EXPR last "${language_count} - 1")
foreach(i RANGE ${last})
    string(JSON language MEMBER "${failures}" ${i})
    string(JSON title GET "${failures}" ${language} title)
    string(JSON needs GET "${failures}" ${language} noScript)
    string(REPLACE "\\" "\\\\" quoted "${title}")
    string(REPLACE "\"" "\\\"" quoted "${quoted}")
    if(NOT i EQUAL 0)
        string(APPEND TITLES ",")
    endif()
    string(APPEND TITLES "\"${language}\":\"${quoted}\"")
    string(REPLACE "%1" "${title}" needs "${needs}")
    string(REPLACE "&" "&amp;" needs "${needs}")
    string(REPLACE "<" "&lt;" needs "${needs}")
    string(APPEND NOSCRIPT "<p lang=\"${language}\">${needs}</p>")
endforeach()
string(APPEND TITLES "}")
string(REPLACE "</" "<\\/" TITLES "${TITLES}")

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
// The manifest in the page's language: its name as the window's title.
const manifest = document.createElement('link');
manifest.rel = 'manifest';
manifest.href = window.korvathPage.language() === 'en' ? 'manifest.webmanifest' : `manifest.${window.korvathPage.language()}.webmanifest`;
document.head.append(manifest);
if (!window.korvathPage.failed) {
  window.korvathWasm = WebAssembly.compileStreaming(fetch('korvath.wasm'));
  window.korvathWasm.catch(() => {});
  if ('serviceWorker' in navigator)
    addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}), {once: true});
}
</script>
<link rel="icon" href="korvath.svg" type="image/svg+xml">
<link rel="stylesheet" href="style.css">
<link rel="modulepreload" href="korvath.js">
@PRELOADS@<!-- The simulation's module is ready when the page's script runs, which
     starts it at once (a dynamic import there would evaluate it a task
     later). Where the browser can, it paints nothing until both have run:
     a paint of the empty page would only delay the window. -->
<script type="module" blocking="render" onerror="korvathPage.fail('moduleFailed', 'korvath.js')">
import createKorvath from './korvath.js';
window.korvathFactory = createKorvath;
</script>
<script type="module" blocking="render" src="@MAIN@" onerror="korvathPage.fail('moduleFailed', '@MAIN@')"></script>]=])
    # The modules the page's script imports are fetched beside it, not one
    # after the other as each import is read.
    list(POP_BACK SCRIPTS MAIN)
    set(PRELOADS "")
    foreach(script IN LISTS SCRIPTS)
        string(APPEND PRELOADS "<link rel=\"modulepreload\" href=\"${script}\">\n")
    endforeach()
    string(CONFIGURE "${LOADER}" LOADER @ONLY)
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
# The page's modules as one script: each module's code runs in a function of
# its own, which returns what it exports; an import takes those names from
# it. The modules keep to the forms read here: "import {a, b} from './x.js';"
# on a line of its own, and "export" before a declaration.
function(bundle_modules out)
    set(script "")
    list(LENGTH SCRIPTS count)
    set(i 0)
    foreach(path IN LISTS SCRIPTS)
        math(EXPR i "${i} + 1")
        get_filename_component(stem ${path} NAME_WE)
        file(READ ${path} text)
        # (A match is not taken as a list: an import ends in a semicolon.)
        while(text MATCHES "(^|\n)import ({[^}]*}) from '\\./([a-z_]+)\\.js';")
            string(REPLACE "${CMAKE_MATCH_0}" "${CMAKE_MATCH_1}const ${CMAKE_MATCH_2} = page_module_${CMAKE_MATCH_3};"
                   text "${text}")
        endwhile()
        string(REGEX MATCHALL "\nexport (async function|function|class|const) [A-Za-z0-9_$]+" exports "${text}")
        string(REGEX REPLACE "\nexport (async function|function|class|const) " "\n\\1 " text "${text}")
        if(text MATCHES "(^|\n)(import|export)[ {]")
            message(FATAL_ERROR "${path}: an import or export make_index.cmake cannot bundle")
        endif()
        if(i EQUAL count)
            string(APPEND script "${text}")
        else()
            list(TRANSFORM exports REPLACE "^.* " "")
            list(JOIN exports ", " names)
            string(APPEND script "const page_module_${stem} = (() => {\n${text}\nreturn {${names}};\n})();\n")
        endif()
    endforeach()
    set(${out} "${script}" PARENT_SCOPE)
endfunction()

file(READ ${CSS} css)
file(READ ${MODULE} module)
bundle_modules(script)
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
