# The property library the plug-ins link against: the stand-in built here, or
# a user's real ZORHYX6 named by ZORHYX6_LIBRARY.
#
# The export table lives in framework/zorhyx6.h. zorhyx6_write_def() turns it
# into a Windows module definition with NONAME ordinals, so that on Windows
# an import library made from it binds every function by its number alone.

set(ZORHYX6_EXPORT_TABLE ${PROJECT_SOURCE_DIR}/framework/zorhyx6.h)

# Writes a .def file: one "name @number NONAME" line per export of the table.
function(zorhyx6_write_def out_file)
    # Read whole: the table's lines end in backslashes, which a CMake list
    # would take for escaped separators.
    file(READ ${ZORHYX6_EXPORT_TABLE} table)
    string(REGEX MATCHALL "ZORHYX6_EXPORT\\([0-9]+, *[^,]+, *[A-Za-z0-9_]+," entries "${table}")
    set(def "LIBRARY ZORHYX6.dll\nEXPORTS\n")
    foreach(entry IN LISTS entries)
        string(REGEX MATCH "\\(([0-9]+), *[^,]+, *([A-Za-z0-9_]+)," unused "${entry}")
        string(APPEND def "    ${CMAKE_MATCH_2} @${CMAKE_MATCH_1} NONAME\n")
    endforeach()
    file(CONFIGURE OUTPUT ${out_file} CONTENT "${def}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZORHYX6_EXPORT_TABLE})
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
    set(_location ${ZORHYX6_LIBRARY})
else()
    set(HYX_STANDIN_LIBRARY ON)
    add_subdirectory(${PROJECT_SOURCE_DIR}/standins/zorhyx6 ${CMAKE_BINARY_DIR}/standins/zorhyx6)
    set(_location $<TARGET_FILE:ZORHYX6>)
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
