# The MEX hosts the plug-ins are built for, and hyx_add_plugin().
#
# MATLAB: found with CMake's FindMatlab and built with matlab_add_mex, the
# path a MATLAB user takes. Unless Matlab_ROOT_DIR names a real installation,
# our own host (standins/matlab) is laid out in the build tree as one, so the
# same path builds the plug-ins for it.
#
# GNU Octave: built whenever mkoctfile is found.

include(PluginHelp)

set(HYX_VERSION_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/mexFunction.map)

# --- MATLAB, or our host laid out as a MATLAB installation -----------------
set(HYX_MATLAB_ROOT ${CMAKE_BINARY_DIR}/mexhost)
if(WIN32)
    set(HYX_MATLAB_ARCH win64)
    set(_mex_ext mexw64)
elseif(APPLE)
    set(HYX_MATLAB_ARCH maci64)
    set(_mex_ext mexmaci64)
else()
    set(HYX_MATLAB_ARCH glnxa64)
    set(_mex_ext mexa64)
endif()

if(NOT Matlab_ROOT_DIR OR Matlab_ROOT_DIR STREQUAL HYX_MATLAB_ROOT)
    set(HYX_OWN_HOST ON)
    set(_inc ${PROJECT_SOURCE_DIR}/standins/matlab/include)
    configure_file(${_inc}/mex.h ${HYX_MATLAB_ROOT}/extern/include/mex.h COPYONLY)
    configure_file(${_inc}/matrix.h ${HYX_MATLAB_ROOT}/extern/include/matrix.h COPYONLY)
    configure_file(${HYX_VERSION_SCRIPT} ${HYX_MATLAB_ROOT}/extern/lib/${HYX_MATLAB_ARCH}/mexFunction.map COPYONLY)
    # A release before the versioned MEX API: matlab_add_mex then adds no
    # version source and exports mexFunction alone.
    set(Matlab_VERSION_STRING_INTERNAL 9.0 CACHE INTERNAL "")
    set(_bin ${HYX_MATLAB_ROOT}/bin/${HYX_MATLAB_ARCH})
    # The libraries are built later in this same build: name them now so that
    # FindMatlab takes them as found.
    set(Matlab_ROOT_DIR ${HYX_MATLAB_ROOT} CACHE PATH "MATLAB installation root" FORCE)
    set(Matlab_MEX_EXTENSION ${_mex_ext} CACHE STRING "MEX file extension")
    set(Matlab_INCLUDE_DIRS ${HYX_MATLAB_ROOT}/extern/include CACHE PATH "")
    set(Matlab_MX_LIBRARY ${_bin}/${CMAKE_SHARED_LIBRARY_PREFIX}mx${CMAKE_SHARED_LIBRARY_SUFFIX} CACHE FILEPATH "")
    set(Matlab_MEX_LIBRARY ${_bin}/${CMAKE_SHARED_LIBRARY_PREFIX}mex${CMAKE_SHARED_LIBRARY_SUFFIX} CACHE FILEPATH "")
    add_subdirectory(${PROJECT_SOURCE_DIR}/standins/matlab ${CMAKE_BINARY_DIR}/standins/matlab)
else()
    set(HYX_OWN_HOST OFF)
endif()

find_package(Matlab REQUIRED)

if(HYX_OWN_HOST)
    # Link the targets rather than the files, so the host is built first.
    set(Matlab_MX_LIBRARY mexhost_mx)
    set(Matlab_MEX_LIBRARY mexhost_mex)
endif()

# --- GNU Octave ------------------------------------------------------------
set(HYX_HAVE_OCTAVE OFF)
if(HYX_OCTAVE AND NOT CMAKE_CROSSCOMPILING)
    find_program(MKOCTFILE mkoctfile)
    if(MKOCTFILE)
        execute_process(COMMAND ${MKOCTFILE} -p INCFLAGS OUTPUT_VARIABLE _flags
                        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(_flags UNIX_COMMAND "${_flags}")
        set(HYX_OCTAVE_INCLUDE_DIRS)
        foreach(_f IN LISTS _flags)
            if(_f MATCHES "^-I(.+)")
                list(APPEND HYX_OCTAVE_INCLUDE_DIRS ${CMAKE_MATCH_1})
            endif()
        endforeach()
        find_program(OCTAVE_CLI octave-cli)
        set(HYX_HAVE_OCTAVE ON)
        message(STATUS "Building the plug-ins for GNU Octave too (${MKOCTFILE})")
    else()
        message(STATUS "mkoctfile not found: no Octave plug-ins")
    endif()
endif()

set(HYX_HOSTS matlab)
if(HYX_HAVE_OCTAVE)
    list(APPEND HYX_HOSTS octave)
endif()

# Every built plug-in, for the tests.
set_property(GLOBAL PROPERTY HYX_PLUGINS "")

# hyx_add_host_library(<name> <source>...)
# A static library compiled once for each host present, as <name>_<host>,
# against that host's MEX headers.
function(hyx_add_host_library name)
    foreach(host IN LISTS HYX_HOSTS)
        add_library(${name}_${host} STATIC ${ARGN})
        if(host STREQUAL "matlab")
            target_include_directories(${name}_${host} PUBLIC ${Matlab_INCLUDE_DIRS})
            # The large-array API of MATLAB's interface, also for releases
            # that choose their API by release name.
            target_compile_definitions(${name}_${host} PUBLIC MATLAB_MEX_FILE MATLAB_DEFAULT_RELEASE=R2017b)
            # After the library on the link line: plug-ins are linked with
            # --as-needed, which keeps mx and mex only for later references.
            target_link_libraries(${name}_${host} PUBLIC ${Matlab_MEX_LIBRARY} ${Matlab_MX_LIBRARY})
        else()
            target_include_directories(${name}_${host} SYSTEM PUBLIC ${HYX_OCTAVE_INCLUDE_DIRS})
        endif()
    endforeach()
endfunction()

# hyx_add_plugin(<name> <source> [LINK <host library>...])
# Builds the plug-in <name> for every host present into mex/<host>/, linked
# against the framework and the given host libraries (hyx_add_host_library).
function(hyx_add_plugin name source)
    cmake_parse_arguments(arg "" "" "LINK" ${ARGN})
    set_property(GLOBAL APPEND PROPERTY HYX_PLUGINS ${name})
    foreach(host IN LISTS HYX_HOSTS)
        set(libs)
        foreach(lib IN LISTS arg_LINK ITEMS hyx_entry)
            list(APPEND libs ${lib}_${host})
        endforeach()
        if(host STREQUAL "matlab")
            matlab_add_mex(NAME ${name}_matlab OUTPUT_NAME ${name} MODULE SRC ${source} LINK_TO ${libs})
        else()
            # Octave resolves the mx and mex symbols when it loads the file,
            # so the plug-in links neither Octave's libraries nor -z defs.
            add_library(${name}_octave MODULE ${source})
            target_link_libraries(${name}_octave PRIVATE ${libs})
            target_link_options(${name}_octave PRIVATE "LINKER:--version-script=${HYX_VERSION_SCRIPT}")
            set_target_properties(${name}_octave PROPERTIES
                PREFIX "" SUFFIX .mex OUTPUT_NAME ${name} LINK_DEPENDS ${HYX_VERSION_SCRIPT})
        endif()
        set_target_properties(${name}_${host} PROPERTIES
            LIBRARY_OUTPUT_DIRECTORY ${HYX_MEX_DIR}/${host}
            RUNTIME_OUTPUT_DIRECTORY ${HYX_MEX_DIR}/${host}
            INSTALL_RPATH "$ORIGIN")
        install(TARGETS ${name}_${host} LIBRARY DESTINATION ${host} RUNTIME DESTINATION ${host})
        hyx_write_help(${name} ${source} ${HYX_MEX_DIR}/${host})
        install(FILES ${HYX_MEX_DIR}/${host}/${name}.m DESTINATION ${host})
    endforeach()
endfunction()

# hyx_add_plugins([LINK <host library>...])
# One plug-in for every hyx*.cpp description in the calling folder, named
# after its file: a new plug-in costs its description and nothing else.
function(hyx_add_plugins)
    file(GLOB descriptions CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/hyx*.cpp)
    foreach(source IN LISTS descriptions)
        get_filename_component(name ${source} NAME_WE)
        hyx_add_plugin(${name} ${source} ${ARGN})
    endforeach()
endfunction()
