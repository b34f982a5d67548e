# The program's version and release date as the windows show them, made from the project
# version and ZELVANO_DATA_RILASCIO (year-month-day), so that the package, its manual page
# and metainfo and the program itself never disagree.
#   ZELVANO_VERSIONE_TESTO       "01.00.00" for version 1.0.0: two digits a part
#   ZELVANO_DATA_RILASCIO_TESTO  "15/10/2010" for 2010-10-15: day/month/year
set(ZELVANO_VERSIONE_TESTO "")
foreach(parte IN ITEMS MAJOR MINOR PATCH)
    set(numero "${PROJECT_VERSION_${parte}}")
    if(NOT numero MATCHES "^[0-9]+$" OR numero GREATER 99)
        message(FATAL_ERROR "Each part of the version must be a number from 0 to 99: "
                            "${PROJECT_VERSION}")
    endif()
    if(numero LESS 10)
        string(PREPEND numero "0")
    endif()
    list(APPEND ZELVANO_VERSIONE_TESTO "${numero}")
endforeach()
list(JOIN ZELVANO_VERSIONE_TESTO "." ZELVANO_VERSIONE_TESTO)

if(NOT ZELVANO_DATA_RILASCIO MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "ZELVANO_DATA_RILASCIO must read year-month-day: ${ZELVANO_DATA_RILASCIO}")
endif()
set(ZELVANO_DATA_RILASCIO_TESTO "${CMAKE_MATCH_3}/${CMAKE_MATCH_2}/${CMAKE_MATCH_1}")
