# Writes the desktop entry, the AppStream metainfo and the file type with the texts of every
# catalogue beside the English ones, so that menus and software centres speak the desktop's
# language. Run with cmake -P and these variables:
#   SOURCE_DIR        packaging/, holding the English files
#   TRANSLATIONS_DIR  the catalogues kolekt_<locale>.ts
#   OUTPUT_DIR        where the three files are written
#   VERSION           the release the metainfo names
cmake_minimum_required(VERSION 3.25)
set(desktop_id org.kolekt.Kolekt)

# The catalogue's text of one id as it stands in the .ts file, still escaped for XML.
function(catalogue_text catalogue id result)
    string(REGEX MATCH "<message id=\"${id}\">[^<]*<source>[^<]*</source>[^<]*<translation>([^<]*)</translation>"
                 found "${catalogue}")
    if(NOT found OR CMAKE_MATCH_1 STREQUAL "")
        message(FATAL_ERROR "${current_file} has no text ${id}")
    endif()
    set(${result} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

function(unescaped_xml text result)
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    string(REPLACE "&quot;" "\"" text "${text}")
    string(REPLACE "&apos;" "'" text "${text}")
    string(REPLACE "&amp;" "&" text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

file(READ ${SOURCE_DIR}/${desktop_id}.desktop desktop)
file(READ ${SOURCE_DIR}/${desktop_id}.metainfo.xml metainfo)
file(READ ${SOURCE_DIR}/${desktop_id}.xml mime)
string(REPLACE "@PROJECT_VERSION@" "${VERSION}" metainfo "${metainfo}")

foreach(key GenericName Comment)
    string(REGEX MATCH "\n${key}=[^\n]*\n" english_${key} "${desktop}")
    set(added_${key} "")
endforeach()
string(REGEX MATCH "\n  <summary>[^\n]*\n" english_summary "${metainfo}")
string(REGEX MATCH "\n    <comment>[^\n]*\n" english_comment "${mime}")
set(added_summary "")
set(added_comment "")

file(GLOB catalogues ${TRANSLATIONS_DIR}/*.ts)
list(SORT catalogues)
foreach(current_file ${catalogues})
    file(READ ${current_file} catalogue)
    # The file's locale is the language alone ("cs"), which a desktop in any country of that
    # language matches, as Kolekt itself does; a language with a catalogue per country names
    # the country too ("pt_BR", "pt_PT").
    get_filename_component(name ${current_file} NAME_WE)
    string(REGEX REPLACE "^kolekt_" "" locale ${name})

    catalogue_text("${catalogue}" 2390 generic_name)
    catalogue_text("${catalogue}" 2391 comment)
    catalogue_text("${catalogue}" 2392 summary)
    catalogue_text("${catalogue}" 2393 mime_comment)
    unescaped_xml("${generic_name}" generic_name)
    unescaped_xml("${comment}" comment)
    string(APPEND added_GenericName "GenericName[${locale}]=${generic_name}\n")
    string(APPEND added_Comment "Comment[${locale}]=${comment}\n")
    string(APPEND added_summary "  <summary xml:lang=\"${locale}\">${summary}</summary>\n")
    string(APPEND added_comment "    <comment xml:lang=\"${locale}\">${mime_comment}</comment>\n")
endforeach()

foreach(key GenericName Comment)
    string(REPLACE "${english_${key}}" "${english_${key}}${added_${key}}" desktop "${desktop}")
endforeach()
string(REPLACE "${english_summary}" "${english_summary}${added_summary}" metainfo "${metainfo}")
string(REPLACE "${english_comment}" "${english_comment}${added_comment}" mime "${mime}")

# Written only when changed, so that an unchanged build installs nothing new.
function(write_if_changed path content)
    if(EXISTS ${path})
        file(READ ${path} old)
        if(old STREQUAL content)
            return()
        endif()
    endif()
    file(WRITE ${path} "${content}")
endfunction()

write_if_changed(${OUTPUT_DIR}/${desktop_id}.desktop "${desktop}")
write_if_changed(${OUTPUT_DIR}/${desktop_id}.metainfo.xml "${metainfo}")
write_if_changed(${OUTPUT_DIR}/${desktop_id}.xml "${mime}")
