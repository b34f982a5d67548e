# The program's version and release date as the windows show them, made from the project
# version and ZELVANO_DATA_RILASCIO (year-month-day), so that the package, its manual page
# and metainfo and the program itself never disagree.
#   ZELVANO_VERSIONE_TESTO       "01.00.00" for version 1.0.0: two digits a part
#   ZELVANO_DATA_RILASCIO_TESTO  "15/10/2010" for 2010-10-15: day/month/year
#   ZELVANO_DATA_RILASCIO_RFC2822  "Fri, 15 Oct 2010 00:00:00 +0000", for the changelog
#   ZELVANO_ANNO_RILASCIO        "2010", for the copyright
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
set(anno "${CMAKE_MATCH_1}")
set(anno_settimana "${CMAKE_MATCH_1}")
set(mese "${CMAKE_MATCH_2}")
set(giorno "${CMAKE_MATCH_3}")
set(ZELVANO_DATA_RILASCIO_TESTO "${giorno}/${mese}/${anno}")
set(ZELVANO_ANNO_RILASCIO "${anno}")
set(giorno_due_cifre "${giorno}")

# The day of the week by Sakamoto's method, on numbers without their leading zeros.
string(REGEX REPLACE "^0" "" mese "${mese}")
string(REGEX REPLACE "^0" "" giorno "${giorno}")
math(EXPR indice "${mese} - 1")
set(nomi_mesi Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET nomi_mesi ${indice} nome_mese)
set(scarti 0 3 2 5 0 3 5 1 4 6 2 4)
list(GET scarti ${indice} scarto)
if(mese LESS 3)
    math(EXPR anno_settimana "${anno} - 1")
endif()
set(a ${anno_settimana})
math(EXPR settimana "(${a} + ${a} / 4 - ${a} / 100 + ${a} / 400 + ${scarto} + ${giorno}) % 7")
set(nomi_giorni Sun Mon Tue Wed Thu Fri Sat)
list(GET nomi_giorni ${settimana} nome_giorno)
set(ZELVANO_DATA_RILASCIO_RFC2822 "${nome_giorno}, ${giorno_due_cifre} ${nome_mese} ${anno} 00:00:00 +0000")
