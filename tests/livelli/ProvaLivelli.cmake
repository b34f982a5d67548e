# Runs the layer check on small source trees made in a temporary folder: one that keeps the
# layers passes, and each form of an include into a higher layer fails it.
# Run as: cmake -DCONTROLLO=<ControllaLivelli.cmake> -DCARTELLA=<temporary folder> -P ...
function(albero nome unita testo)
    set(src "${CARTELLA}/${nome}")
    file(REMOVE_RECURSE "${src}")
    foreach(f data/Base.h files/File.h search/Filtro.h app/Finestra.h)
        file(WRITE "${src}/${f}" "#pragma once\n")
    endforeach()
    file(WRITE "${src}/${unita}" "${testo}")
    execute_process(COMMAND "${CMAKE_COMMAND}" -DSORGENTI=${src} -P "${CONTROLLO}"
                    RESULT_VARIABLE esito OUTPUT_QUIET ERROR_QUIET)
    set(esito ${esito} PARENT_SCOPE)
endfunction()

set(sbagli "")
albero(buono search/Uso.cpp "#include \"data/Base.h\"\n#include <files/File.h>\n#include \"../data/Base.h\"\n#include \"./Filtro.h\"\n#include \"Filtro.h\"\n#include <vector>\n#  include \"search/Filtro.h\"\n")
if(NOT esito EQUAL 0)
    string(APPEND sbagli "  includes that keep the layers were refused\n")
endif()
albero(app app/Uso.cpp "#include \"search/Filtro.h\"\n#include <data/Base.h>\n")
if(NOT esito EQUAL 0)
    string(APPEND sbagli "  the top layer including lower ones was refused\n")
endif()

set(forme
    "#include \"search/Filtro.h\""
    "#include <search/Filtro.h>"
    "#include \"../search/Filtro.h\""
    "#include \"../app/Finestra.h\""
    "#include \"./../files/File.h\""
    "  #  include   <search/Filtro.h>"
    "#\tinclude\t\"search/Filtro.h\""
    "#include < search/Filtro.h >"
    "#include \"data/../search/Filtro.h\"")
set(k 0)
foreach(forma IN LISTS forme)
    math(EXPR k "${k} + 1")
    albero(cattivo${k} data/Uso.cpp "// data including a higher layer\n${forma}\n")
    if(esito EQUAL 0)
        string(APPEND sbagli "  not caught: ${forma}\n")
    endif()
endforeach()
file(REMOVE_RECURSE "${CARTELLA}")
if(sbagli)
    message(FATAL_ERROR "The layer check:\n${sbagli}")
endif()
