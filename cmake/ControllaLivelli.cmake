# Fails when a unit includes a header of a layer above its own. The layers, lowest first:
# data, files, then the procedures by capability (the grids, pairing and undo, the
# automatic run, the suggestions, the proposals, the session), then app. No two folders
# share a level, so no two can include each other; a folder without a level fails the
# check, so a new one cannot slip past it.
# Every form of include counts: "dir/x.h" and <dir/x.h>, "../dir/x.h" and "./x.h" (read
# from the including file's folder), with or without blanks around the # and the word.
# Run as: cmake -DSORGENTI=<src folder> -P ControllaLivelli.cmake
set(livello_data 0)
set(livello_files 1)
set(livello_griglie 2)
set(livello_coppie 3)
set(livello_automatch 4)
set(livello_suggerimenti 5)
set(livello_proposte 6)
set(livello_sessione 7)
set(livello_app 8)

get_filename_component(radice "${SORGENTI}" ABSOLUTE)
file(GLOB_RECURSE unita RELATIVE "${radice}" "${radice}/*.h" "${radice}/*.cpp")
set(errori "")
foreach(u IN LISTS unita)
    string(REGEX MATCH "^[^/]+" cartella "${u}")
    if(NOT u MATCHES "/")
        continue()
    endif()
    if(NOT DEFINED livello_${cartella})
        string(APPEND errori "  ${u}: the folder ${cartella} has no level\n")
        continue()
    endif()
    get_filename_component(qui "${radice}/${u}" DIRECTORY)
    file(STRINGS "${radice}/${u}" inclusioni REGEX "^[ \t]*#[ \t]*include")
    foreach(riga IN LISTS inclusioni)
        if(NOT riga MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])[ \t]*([^>\"]*[^>\" \t])[ \t]*[>\"]")
            continue()
        endif()
        set(forma "${CMAKE_MATCH_1}")
        set(incluso "${CMAKE_MATCH_2}")
        # Where the compiler would look first: the including file's folder for a relative
        # path, or for a quoted one that is there; otherwise the source root.
        if(incluso MATCHES "^\\.\\.?/" OR (forma STREQUAL "\"" AND EXISTS "${qui}/${incluso}"))
            set(percorso "${qui}/${incluso}")
        else()
            set(percorso "${radice}/${incluso}")
        endif()
        cmake_path(NORMAL_PATH percorso)
        file(RELATIVE_PATH relativo "${radice}" "${percorso}")
        if(relativo MATCHES "^\\.\\./" OR NOT relativo MATCHES "/")
            continue()
        endif()
        string(REGEX MATCH "^[^/]+" altra "${relativo}")
        if(DEFINED livello_${altra} AND livello_${altra} GREATER livello_${cartella})
            string(APPEND errori "  ${u}: ${riga}\n")
        endif()
    endforeach()
endforeach()
if(errori)
    message(FATAL_ERROR "A lower layer includes a higher one:\n${errori}")
endif()
