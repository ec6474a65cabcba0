# The Italian help: help/*.html compiled into Vitrelo.chm by chmcmd (Debian package fp-utils)
# and put beside Vitrelo.exe in dist/. Windows builds only.
if(NOT WIN32)
    return()
endif()
find_program(VITRELO_CHMCMD chmcmd)
if(NOT VITRELO_CHMCMD)
    message(WARNING "chmcmd not found (package fp-utils): Vitrelo.chm is not built")
    return()
endif()

file(GLOB VITRELO_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/help/*)
set(VITRELO_HELP_DIR ${CMAKE_CURRENT_BINARY_DIR}/help)
add_custom_command(
    OUTPUT ${VITRELO_HELP_DIR}/Vitrelo.chm
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${VITRELO_HELP_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/help ${VITRELO_HELP_DIR}
    COMMAND ${CMAKE_COMMAND} -E chdir ${VITRELO_HELP_DIR} ${VITRELO_CHMCMD} Vitrelo.hhp
    DEPENDS ${VITRELO_HELP_SOURCES}
    COMMENT "Compiling the help Vitrelo.chm"
    VERBATIM)
add_custom_target(vitrelo_help ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VITRELO_DIST}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VITRELO_HELP_DIR}/Vitrelo.chm
            ${VITRELO_DIST}/Vitrelo.chm
    DEPENDS ${VITRELO_HELP_DIR}/Vitrelo.chm
    VERBATIM)
