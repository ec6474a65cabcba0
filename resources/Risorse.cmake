# Resources: genera_risorse.py draws the binary files into the build folder, windres compiles
# vitrelo.rc with that folder and this one on its include path. Sets VITRELO_RC.
set(VITRELO_RISORSE_DIR ${CMAKE_CURRENT_BINARY_DIR}/risorse)
set(VITRELO_RISORSE_FILES
    mano.cur mano_frecce.cur contagocce.cur
    lucchetto_aperto.ico lucchetto_chiuso.ico puntina.ico vitrelo.ico
    colori.ico misura.ico icona_tray.ico chiudi.ico
    logo.bmp clic301.wav clic302.wav clic303.wav)
list(TRANSFORM VITRELO_RISORSE_FILES PREPEND ${VITRELO_RISORSE_DIR}/)

add_custom_command(
    OUTPUT ${VITRELO_RISORSE_FILES}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/resources/genera_risorse.py
            ${VITRELO_RISORSE_DIR}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/genera_risorse.py
    COMMENT "Drawing cursors, icons, logo and sounds"
    VERBATIM)

set(VITRELO_RC ${CMAKE_CURRENT_SOURCE_DIR}/resources/vitrelo.rc)
set_source_files_properties(${VITRELO_RC} PROPERTIES
    OBJECT_DEPENDS "${VITRELO_RISORSE_FILES};${CMAKE_CURRENT_SOURCE_DIR}/resources/vitrelo.manifest"
    INCLUDE_DIRECTORIES "${VITRELO_RISORSE_DIR};${CMAKE_CURRENT_SOURCE_DIR}/resources")
