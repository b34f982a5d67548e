# Runs the layer check on small source trees made in a temporary folder: one that keeps the
# layers passes, and each form of an include into a higher layer fails it.
# Run as: cmake -DCONTROLLO=<ControllaLivelli.cmake> -DCARTELLA=<temporary folder> -P ...
function(albero nome unita testo)
    set(src "${CARTELLA}/${nome}")
    file(REMOVE_RECURSE "${src}")
    foreach(f data/Base.h files/File.h griglie/Filtro.h coppie/Coppia.h app/Finestra.h)
        file(WRITE "${src}/${f}" "#pragma once\n")
    endforeach()
    file(WRITE "${src}/${unita}" "${testo}")
    execute_process(COMMAND "${CMAKE_COMMAND}" -DSORGENTI=${src} -P "${CONTROLLO}"
                    RESULT_VARIABLE esito OUTPUT_QUIET ERROR_QUIET)
    set(esito ${esito} PARENT_SCOPE)
endfunction()

set(sbagli "")
albero(buono griglie/Uso.cpp "#include \"data/Base.h\"\n#include <files/File.h>\n#include \"../data/Base.h\"\n#include \"./Filtro.h\"\n#include \"Filtro.h\"\n#include <vector>\n#  include \"griglie/Filtro.h\"\n")
if(NOT esito EQUAL 0)
    string(APPEND sbagli "  includes that keep the layers were refused\n")
endif()
albero(app app/Uso.cpp "#include \"griglie/Filtro.h\"\n#include <data/Base.h>\n")
if(NOT esito EQUAL 0)
    string(APPEND sbagli "  the top layer including lower ones was refused\n")
endif()

set(forme
    "#include \"griglie/Filtro.h\""
    "#include <griglie/Filtro.h>"
    "#include \"../griglie/Filtro.h\""
    "#include \"../app/Finestra.h\""
    "#include \"./../files/File.h\""
    "  #  include   <griglie/Filtro.h>"
    "#\tinclude\t\"griglie/Filtro.h\""
    "#include < griglie/Filtro.h >"
    "#include \"data/../griglie/Filtro.h\"")
set(k 0)
foreach(forma IN LISTS forme)
    math(EXPR k "${k} + 1")
    albero(cattivo${k} data/Uso.cpp "// data including a higher layer\n${forma}\n")
    if(esito EQUAL 0)
        string(APPEND sbagli "  not caught: ${forma}\n")
    endif()
endforeach()
# Inside the procedures: a lower capability including a higher one, and a folder the check
# has no level for.
albero(procedure griglie/Uso.cpp "#include \"coppie/Coppia.h\"\n")
if(esito EQUAL 0)
    string(APPEND sbagli "  not caught: the grids including the pairing\n")
endif()
albero(ignota nuova/Uso.cpp "#include \"data/Base.h\"\n")
if(esito EQUAL 0)
    string(APPEND sbagli "  not caught: a folder without a level\n")
endif()
file(REMOVE_RECURSE "${CARTELLA}")
if(sbagli)
    message(FATAL_ERROR "The layer check:\n${sbagli}")
endif()
