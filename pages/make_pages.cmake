# Writes the pages for parents into OUTPUT_DIR: one main page per language
# (main.html.in filled from main-<code>.cmake), the pages behind the links
# page's own entries, and a gallery of every picture the generator lists in
# PICTURE_LIST. Pages find the pictures in ../BTN/, beside them.

set(names_de Deutsch)
set(names_en English)
set(names_es Español)
set(names_fr Français)
set(names_nl Nederlands)
set(names_it Italiano)

set(FOOTER "<footer><p>Malkobold ${VERSION} ·
<a href=\"about.html\">Über Malkobold · About</a> ·
<a href=\"pictures.html\">Bilder · Pictures</a> ·
<a href=\"support.html\">Mithelfen · Help out</a></p></footer>")

# The head of a page, its menu of languages and its banner, into TOP.
macro(page_top lang title menu heading tagline)
    set(TOP "<!DOCTYPE html>
<html lang=\"${lang}\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<link rel=\"stylesheet\" href=\"style.css\">
<title>${title}</title>
</head>
<body>
<nav class=\"languages\">${menu}</nav>
<header>
<img src=\"../BTN/TitelPic.jpg\" alt=\"\" class=\"title\">
<div>
<h1>${heading}</h1>
<p class=\"tagline\">${tagline}</p>
</div>
</header>")
endmacro()

file(MAKE_DIRECTORY ${OUTPUT_DIR})
configure_file(${SOURCE_DIR}/style.css ${OUTPUT_DIR}/style.css COPYONLY)

foreach(code ${LANGUAGES})
    set(LANG ${code})
    set(LANGUAGE_MENU "")
    foreach(other ${LANGUAGES})
        if(other STREQUAL code)
            string(APPEND LANGUAGE_MENU "<strong>${names_${other}}</strong> ")
        else()
            string(APPEND LANGUAGE_MENU "<a href=\"${other}.html\" hreflang=\"${other}\" lang=\"${other}\">${names_${other}}</a> ")
        endif()
    endforeach()
    include(${SOURCE_DIR}/main-${code}.cmake)
    page_top(${code} "Malkobold: ${TITLE}" "${LANGUAGE_MENU}" Malkobold "${TITLE}")
    configure_file(${SOURCE_DIR}/main.html.in ${OUTPUT_DIR}/${code}.html @ONLY)
endforeach()

# The gallery: each picture once, at its own size (the sharp twins are left out).
file(STRINGS ${PICTURE_LIST} outputs ENCODING UTF-8 REGEX "^BTN/[^@]*\\.jpg$")
list(LENGTH outputs PICTURE_COUNT)
set(GALLERY "")
foreach(output ${outputs})
    get_filename_component(name ${output} NAME)
    string(APPEND GALLERY "<figure><img src=\"../BTN/${name}\" alt=\"${name}\" loading=\"lazy\"><figcaption>${name}</figcaption></figure>\n")
endforeach()

# The pages behind the links page's own entries speak German, then English.
set(BOTH_MENU "<a href=\"de.html\">Malkobold (Deutsch)</a> <a href=\"en.html\" lang=\"en\">Malkobold (English)</a>")
set(headings_about "Über Malkobold" "About Malkobold")
set(headings_pictures "Die Bilder von Malkobold" "The pictures of Malkobold")
set(headings_support "Mithelfen" "Help out")
foreach(page about pictures support)
    list(GET headings_${page} 0 german)
    list(GET headings_${page} 1 english)
    page_top(de "Malkobold: ${german} · ${english}" "${BOTH_MENU}" "${german}" "<span lang=\"en\">${english}</span>")
    configure_file(${SOURCE_DIR}/${page}.html.in ${OUTPUT_DIR}/${page}.html @ONLY)
endforeach()
