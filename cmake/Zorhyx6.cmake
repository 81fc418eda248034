# The property library the plug-ins link against: the stand-in built here, or
# a user's real ZORHYX6 named by ZORHYX6_LIBRARY.
#
# The export table lives in framework/zorhyx6.h. zorhyx6_write_def() turns it
# into a Windows module definition with NONAME ordinals, so that on Windows
# an import library made from it binds every function by its number alone.

set(ZORHYX6_EXPORT_TABLE ${PROJECT_SOURCE_DIR}/framework/zorhyx6.h)

# Writes a .def file: one "name @number NONAME" line per export of the table.
function(zorhyx6_write_def out_file)
    file(STRINGS ${ZORHYX6_EXPORT_TABLE} lines REGEX "^ *ZORHYX6_EXPORT\\(")
    set(def "LIBRARY ZORHYX6.dll\nEXPORTS\n")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "ZORHYX6_EXPORT\\(([0-9]+), *[^,]+, *([A-Za-z0-9_]+),")
            message(FATAL_ERROR "Unreadable export line: ${line}")
        endif()
        string(APPEND def "    ${CMAKE_MATCH_2} @${CMAKE_MATCH_1} NONAME\n")
    endforeach()
    file(CONFIGURE OUTPUT ${out_file} CONTENT "${def}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZORHYX6_EXPORT_TABLE})
endfunction()

set(ZORHYX6_DEF ${CMAKE_BINARY_DIR}/ZORHYX6.def)
zorhyx6_write_def(${ZORHYX6_DEF})

if(ZORHYX6_LIBRARY)
    add_library(zorhyx6 SHARED IMPORTED GLOBAL)
    set_target_properties(zorhyx6 PROPERTIES IMPORTED_LOCATION ${ZORHYX6_LIBRARY})
    if(WIN32)
        # Bind by ordinal: the import library comes from the table, not from
        # whatever names the real DLL may export.
        set(implib ${CMAKE_BINARY_DIR}/libZORHYX6.dll.a)
        find_program(DLLTOOL NAMES ${CMAKE_CXX_COMPILER_TARGET}-dlltool x86_64-w64-mingw32-dlltool dlltool REQUIRED)
        execute_process(COMMAND ${DLLTOOL} -d ${ZORHYX6_DEF} -l ${implib} COMMAND_ERROR_IS_FATAL ANY)
        set_target_properties(zorhyx6 PROPERTIES IMPORTED_IMPLIB ${implib})
    endif()
    set(HYX_STANDIN_LIBRARY OFF)
else()
    add_subdirectory(${PROJECT_SOURCE_DIR}/standins/zorhyx6 ${CMAKE_BINARY_DIR}/standins/zorhyx6)
    add_library(zorhyx6 ALIAS ZORHYX6)
    set(HYX_STANDIN_LIBRARY ON)
endif()
