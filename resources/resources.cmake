# Resources: generate_resources.py draws the binary files into the build folder, windres compiles
# vitrelo.rc with that folder and this one on its include path. Sets VITRELO_RC.
set(VITRELO_RESOURCES_DIR ${CMAKE_CURRENT_BINARY_DIR}/resources)
set(VITRELO_RESOURCE_FILES
    hand.cur drag.cur eyedropper.cur
    padlock_open.ico padlock_closed.ico push_pin.ico vitrelo.ico
    pick_colour.ico measure.ico contrast.ico tray.ico close.ico
    logo.bmp lock.wav pause.wav leave.wav)
list(TRANSFORM VITRELO_RESOURCE_FILES PREPEND ${VITRELO_RESOURCES_DIR}/)

add_custom_command(
    OUTPUT ${VITRELO_RESOURCE_FILES}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/resources/generate_resources.py
            ${VITRELO_RESOURCES_DIR}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/generate_resources.py
    COMMENT "Drawing cursors, icons, logo and sounds"
    VERBATIM)

set(VITRELO_RC ${CMAKE_CURRENT_SOURCE_DIR}/resources/vitrelo.rc)
set_source_files_properties(${VITRELO_RC} PROPERTIES
    OBJECT_DEPENDS "${VITRELO_RESOURCE_FILES};${CMAKE_CURRENT_SOURCE_DIR}/resources/vitrelo.manifest;${VITRELO_SRC}/win32/resources.h"
    INCLUDE_DIRECTORIES "${VITRELO_RESOURCES_DIR};${CMAKE_CURRENT_SOURCE_DIR}/resources")
