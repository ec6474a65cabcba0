# The portable layers. Each is a static library that sees only the layers below it.
# None may include a Windows header or anything of src/win32: the native build has
# no Windows headers at all, and the check below stops the configure step when a
# portable source names src/win32.

set(VITRELO_PORTABLE_LAYERS magnifier export app)
foreach(layer ${VITRELO_PORTABLE_LAYERS})
    file(GLOB_RECURSE _sources CONFIGURE_DEPENDS ${VITRELO_SRC}/${layer}/*.cpp ${VITRELO_SRC}/${layer}/*.h)
    foreach(f ${_sources})
        file(STRINGS ${f} _bad REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](win32/|windows|winuser|wingdi|shellapi|commdlg|commctrl|mmsystem|objbase)")
        if(_bad)
            message(FATAL_ERROR "${f} is portable code and must not include: ${_bad}")
        endif()
    endforeach()
endforeach()

# vitrelo_layer(NAME SUFFIX DEPS... [OPTIONS ...]): one layer's library.
function(vitrelo_layer layer suffix)
    cmake_parse_arguments(ARG "" "" "DEPS;OPTIONS" ${ARGN})
    file(GLOB _sources CONFIGURE_DEPENDS ${VITRELO_SRC}/${layer}/*.cpp)
    set(target vitrelo_${layer}${suffix})
    add_library(${target} STATIC ${_sources})
    target_include_directories(${target} PUBLIC ${VITRELO_SRC})
    target_compile_options(${target} PRIVATE ${VITRELO_WARNINGS} ${ARG_OPTIONS})
    foreach(dep ${ARG_DEPS})
        target_link_libraries(${target} PUBLIC vitrelo_${dep}${suffix})
    endforeach()
endfunction()

# vitrelo_portable(SUFFIX [OPTIONS ...]): the three portable layers, built with OPTIONS.
function(vitrelo_portable suffix)
    vitrelo_layer(magnifier "${suffix}" ${ARGN})
    vitrelo_layer(export "${suffix}" DEPS magnifier ${ARGN})
    vitrelo_layer(app "${suffix}" DEPS magnifier export ${ARGN})
endfunction()
