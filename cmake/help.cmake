# The help: the Italian pages of help/ compiled into Vitrelo.chm, the English ones of help/en/
# (the same file names, one page translating another, and the Italian style sheet) into
# Vitrelo_en.chm, by chmcmd (Debian package fp-utils); both put beside Vitrelo.exe in dist/.
# Windows builds only.
if(NOT WIN32)
    return()
endif()
find_program(VITRELO_CHMCMD chmcmd)
if(NOT VITRELO_CHMCMD)
    message(WARNING "chmcmd not found (package fp-utils): the help files are not built")
    return()
endif()

set(VITRELO_HELP_FILES)
# vitrelo_help_file(NAME PAGES): help/PAGES/*, with help/stile.css, compiled into NAME.chm.
function(vitrelo_help_file name pages)
    file(GLOB sources LIST_DIRECTORIES false CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/help/${pages}/*)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/help_${name})
    add_custom_command(
        OUTPUT ${dir}/${name}.chm
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${dir}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${CMAKE_COMMAND} -E copy ${sources} ${CMAKE_CURRENT_SOURCE_DIR}/help/stile.css
                ${dir}
        COMMAND ${CMAKE_COMMAND} -E chdir ${dir} ${VITRELO_CHMCMD} ${name}.hhp
        DEPENDS ${sources} ${CMAKE_CURRENT_SOURCE_DIR}/help/stile.css
        COMMENT "Compiling the help ${name}.chm"
        VERBATIM)
    set(VITRELO_HELP_FILES ${VITRELO_HELP_FILES} ${dir}/${name}.chm PARENT_SCOPE)
endfunction()
vitrelo_help_file(Vitrelo .)
vitrelo_help_file(Vitrelo_en en)

add_custom_target(vitrelo_help ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VITRELO_DIST}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VITRELO_HELP_FILES} ${VITRELO_DIST}
    DEPENDS ${VITRELO_HELP_FILES}
    VERBATIM)
