# The property library the plug-ins link against: the stand-in built here, or
# a user's real ZORHYX6 named by ZORHYX6_LIBRARY.
#
# The export table lives in framework/zorhyx6.h. zorhyx6_write_def() turns it
# into a Windows module definition with NONAME ordinals, so that on Windows
# an import library made from it binds every function by its number alone.

set(ZORHYX6_EXPORT_TABLE ${PROJECT_SOURCE_DIR}/framework/zorhyx6.h)

# The table read whole: its lines end in backslashes, which a CMake list
# would take for escaped separators. Each entry of ZORHYX6_ENTRIES is
# "number|result|name|parameters"; ZORHYX6_PROPERTY_NAMES lists the
# fourteen properties of the property-set functions, in order.
file(READ ${ZORHYX6_EXPORT_TABLE} _table)
string(REGEX MATCHALL "ZORHYX6_EXPORT\\([0-9]+, *[^,]+, *[A-Za-z0-9_]+, *\\([^)]*\\)\\)" _rows "${_table}")
set(ZORHYX6_ENTRIES "")
foreach(_row IN LISTS _rows)
    string(REGEX MATCH "\\(([0-9]+), *([^,]+), *([A-Za-z0-9_]+), *\\(([^)]*)\\)\\)" _unused "${_row}")
    list(APPEND ZORHYX6_ENTRIES "${CMAKE_MATCH_1}|${CMAKE_MATCH_2}|${CMAKE_MATCH_3}|${CMAKE_MATCH_4}")
endforeach()
string(REGEX MATCH "define ZORHYX6_PROPERTIES\\(X\\)[^\n]*\n([^\n]*)" _unused "${_table}")
string(REGEX MATCHALL "X\\([A-Za-z0-9_]+\\)" ZORHYX6_PROPERTY_NAMES "${CMAKE_MATCH_1}")
list(TRANSFORM ZORHYX6_PROPERTY_NAMES REPLACE "X\\((.*)\\)" "\\1")
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZORHYX6_EXPORT_TABLE})

# zorhyx6_export(<name> <number var> <result var> <parameters var>)
function(zorhyx6_export name number result parameters)
    foreach(entry IN LISTS ZORHYX6_ENTRIES)
        if(entry MATCHES "^([0-9]+)\\|([^|]+)\\|${name}\\|(.*)$")
            set(${number} ${CMAKE_MATCH_1} PARENT_SCOPE)
            set(${result} "${CMAKE_MATCH_2}" PARENT_SCOPE)
            set(${parameters} "${CMAKE_MATCH_3}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(FATAL_ERROR "${name} is not in the export table")
endfunction()

# Writes a .def file: one "name @number NONAME" line per export of the table.
function(zorhyx6_write_def out_file)
    set(def "LIBRARY ZORHYX6.dll\nEXPORTS\n")
    foreach(entry IN LISTS ZORHYX6_ENTRIES)
        string(REGEX MATCH "^([0-9]+)\\|[^|]+\\|([^|]+)\\|" unused "${entry}")
        string(APPEND def "    ${CMAKE_MATCH_2} @${CMAKE_MATCH_1} NONAME\n")
    endforeach()
    file(CONFIGURE OUTPUT ${out_file} CONTENT "${def}")
endfunction()

set(ZORHYX6_DEF ${CMAKE_BINARY_DIR}/ZORHYX6.def)
zorhyx6_write_def(${ZORHYX6_DEF})

# Windows binds by ordinal: the plug-ins link an import library made from
# the module definition, whatever names the DLL itself may export.
function(zorhyx6_import_library out_var)
    set(implib ${CMAKE_BINARY_DIR}/libZORHYX6.dll.a)
    find_program(DLLTOOL NAMES x86_64-w64-mingw32-dlltool dlltool REQUIRED)
    execute_process(COMMAND ${DLLTOOL} -d ${ZORHYX6_DEF} -l ${implib} COMMAND_ERROR_IS_FATAL ANY)
    set(${out_var} ${implib} PARENT_SCOPE)
endfunction()

if(ZORHYX6_LIBRARY)
    set(HYX_STANDIN_LIBRARY OFF)
else()
    set(HYX_STANDIN_LIBRARY ON)
    add_subdirectory(${PROJECT_SOURCE_DIR}/standins/zorhyx6 ${CMAKE_BINARY_DIR}/standins/zorhyx6)
endif()

if(WIN32)
    zorhyx6_import_library(_implib)
    add_library(zorhyx6 INTERFACE)
    target_link_libraries(zorhyx6 INTERFACE ${_implib})
    if(HYX_STANDIN_LIBRARY)
        target_include_directories(zorhyx6 INTERFACE ${PROJECT_SOURCE_DIR}/standins/zorhyx6)
        add_dependencies(zorhyx6 ZORHYX6)
    endif()
elseif(HYX_STANDIN_LIBRARY)
    add_library(zorhyx6 ALIAS ZORHYX6)
else()
    add_library(zorhyx6 SHARED IMPORTED GLOBAL)
    set_target_properties(zorhyx6 PROPERTIES IMPORTED_LOCATION ${ZORHYX6_LIBRARY})
endif()
