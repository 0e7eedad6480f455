# Writes the installer's languages and its two texts in each of them (the file type's name and
# the Start-menu entry's comment), the same texts as the Linux desktop files, from the
# catalogues. Run with cmake -P and these variables:
#   PACKAGING_DIR     packaging/, holding the English desktop entry and file type
#   TRANSLATIONS_DIR  the catalogues kolekt_<locale>.ts
#   OUTPUT            the NSIS include to write
cmake_minimum_required(VERSION 3.25)

# The installer's name for the language of each catalogue; a new catalogue needs its line.
set(nsis_cs Czech)
set(nsis_de German)
set(nsis_el Greek)
set(nsis_es Spanish)
set(nsis_et Estonian)
set(nsis_fr French)
set(nsis_it Italian)
set(nsis_nl Dutch)
set(nsis_pl Polish)
set(nsis_pt_PT Portuguese)
set(nsis_pt_BR PortugueseBR)
set(nsis_sk Slovak)
set(nsis_tr Turkish)

function(catalogue_text catalogue id result)
    string(REGEX MATCH "<message id=\"${id}\">[^<]*<source>[^<]*</source>[^<]*<translation>([^<]*)</translation>"
                 found "${catalogue}")
    if(NOT found OR CMAKE_MATCH_1 STREQUAL "")
        message(FATAL_ERROR "${current_file} has no text ${id}")
    endif()
    set(${result} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# A catalogue's XML text as an NSIS string: "$" and the double quote are NSIS's own.
function(nsis_string text result)
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    string(REPLACE "&quot;" "\"" text "${text}")
    string(REPLACE "&apos;" "'" text "${text}")
    string(REPLACE "&amp;" "&" text "${text}")
    string(REPLACE "$" "$$" text "${text}")
    string(REPLACE "\"" "$\\\"" text "${text}")
    set(${result} "\"${text}\"" PARENT_SCOPE)
endfunction()

file(READ ${PACKAGING_DIR}/org.kolekt.Kolekt.desktop desktop)
file(READ ${PACKAGING_DIR}/org.kolekt.Kolekt.xml mime)
string(REGEX MATCH "\nComment=([^\n]*)\n" found "${desktop}")
nsis_string("${CMAKE_MATCH_1}" comment)
string(REGEX MATCH "<comment>([^<]*)</comment>" found "${mime}")
nsis_string("${CMAKE_MATCH_1}" type_name)
# English, inserted first, is the language the installer falls back on.
set(languages "!insertmacro MUI_LANGUAGE \"English\"\n")
set(texts "LangString ShortcutComment \${LANG_ENGLISH} ${comment}\n")
string(APPEND texts "LangString FileTypeName \${LANG_ENGLISH} ${type_name}\n")

file(GLOB catalogues ${TRANSLATIONS_DIR}/*.ts)
list(SORT catalogues)
foreach(current_file ${catalogues})
    get_filename_component(name ${current_file} NAME_WE)
    string(REGEX REPLACE "^kolekt_" "" locale ${name})
    if(NOT DEFINED nsis_${locale})
        message(FATAL_ERROR "InstallerTexts.cmake names no installer language for ${current_file}")
    endif()
    string(TOUPPER "${nsis_${locale}}" language)
    file(READ ${current_file} catalogue)
    catalogue_text("${catalogue}" 2391 comment)
    catalogue_text("${catalogue}" 2393 type_name)
    nsis_string("${comment}" comment)
    nsis_string("${type_name}" type_name)
    string(APPEND languages "!insertmacro MUI_LANGUAGE \"${nsis_${locale}}\"\n")
    string(APPEND texts "LangString ShortcutComment \${LANG_${language}} ${comment}\n")
    string(APPEND texts "LangString FileTypeName \${LANG_${language}} ${type_name}\n")
endforeach()
file(WRITE ${OUTPUT} "${languages}${texts}")
