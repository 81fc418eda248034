# Every export of the table stands in the Windows module definition with its
# number as a NONAME ordinal.
#   cmake -DTABLE=<zorhyx6.h> -DDEF=<ZORHYX6.def> -P check_module_definition.cmake
file(READ ${TABLE} table)  # whole: its lines end in backslashes
string(REGEX MATCHALL "ZORHYX6_EXPORT\\([0-9]+, *[^,]+, *[A-Za-z0-9_]+," lines "${table}")
file(READ ${DEF} def)
set(missing "")
foreach(line IN LISTS lines)
    string(REGEX MATCH "ZORHYX6_EXPORT\\(([0-9]+), *[^,]+, *([A-Za-z0-9_]+)," unused "${line}")
    set(export "${CMAKE_MATCH_2} @${CMAKE_MATCH_1} NONAME")
    if(NOT def MATCHES "\n    ${export}\n")
        string(APPEND missing "\n    ${export}")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "${DEF} lacks:${missing}")
endif()
