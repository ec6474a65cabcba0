# MinGW builds: Vitrelo.exe (GUI, static) and win32_tests.exe (console, GoogleTest).
enable_language(RC)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(VITRELO_DIST ${CMAKE_CURRENT_SOURCE_DIR}/dist/win32)
else()
    set(VITRELO_DIST ${CMAKE_CURRENT_SOURCE_DIR}/dist/win64)
endif()

vitrelo_portable("")

# The Win32 layer; main.cpp holds WinMain and stays out of the test program.
file(GLOB VITRELO_WIN32_SOURCES CONFIGURE_DEPENDS ${VITRELO_SRC}/win32/*.cpp)
set(VITRELO_WINMAIN ${VITRELO_SRC}/win32/main.cpp)
list(REMOVE_ITEM VITRELO_WIN32_SOURCES ${VITRELO_WINMAIN})

# Only known DLLs and the common controls (which the manifest binds): every other system DLL is
# loaded at run time from the system folder (src/win32/libraries.h). tests/e2e/tools/check_pe.sh
# holds the list.
set(VITRELO_WIN32_LIBS comctl32 comdlg32 shell32 ole32 oleaut32 uuid advapi32 gdi32 user32 kernel32)
set(VITRELO_STATIC_LINK -static -static-libgcc -static-libstdc++)

include(resources/resources.cmake)   # VITRELO_RC: the resource script, its generated files as deps
# One target owns the generated files, so that two programs never draw them at once.
add_custom_target(vitrelo_resources DEPENDS ${VITRELO_RESOURCE_FILES})

add_library(vitrelo_win STATIC ${VITRELO_WIN32_SOURCES})
target_compile_options(vitrelo_win PRIVATE ${VITRELO_WARNINGS})
target_link_libraries(vitrelo_win PUBLIC vitrelo_app ${VITRELO_WIN32_LIBS})
# Newer functions (per-monitor DPI and the like) are looked up at run time.
target_compile_definitions(vitrelo_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501
                                              WINVER=0x0501)

if(EXISTS ${VITRELO_WINMAIN})
    add_executable(Vitrelo WIN32 ${VITRELO_WINMAIN} ${VITRELO_RC})
    target_compile_options(Vitrelo PRIVATE ${VITRELO_WARNINGS})
    target_link_libraries(Vitrelo PRIVATE vitrelo_win)
    add_dependencies(Vitrelo vitrelo_resources)
    target_link_options(Vitrelo PRIVATE ${VITRELO_STATIC_LINK} -mwindows $<$<CONFIG:Release>:-s>)
    add_custom_command(TARGET Vitrelo POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VITRELO_DIST}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Vitrelo> ${VITRELO_DIST}/Vitrelo.exe)
else()
    message(WARNING "${VITRELO_WINMAIN} does not exist yet: Vitrelo.exe is not built")
endif()

# GoogleTest from Debian's source package (package googletest), compiled with this toolchain.
set(VITRELO_GTEST_SRC /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
file(GLOB VITRELO_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/win32/*.cpp)
if(NOT EXISTS ${VITRELO_GTEST_SRC}/src/gtest-all.cc)
    message(WARNING "no GoogleTest sources in ${VITRELO_GTEST_SRC}: win32_tests is not built")
elseif(VITRELO_WIN32_TESTS)
    add_library(gtest_mingw STATIC ${VITRELO_GTEST_SRC}/src/gtest-all.cc
                                   ${VITRELO_GTEST_SRC}/src/gtest_main.cc)
    target_include_directories(gtest_mingw SYSTEM PUBLIC ${VITRELO_GTEST_SRC}/include
                                           PRIVATE ${VITRELO_GTEST_SRC})
    add_executable(win32_tests ${VITRELO_WIN32_TESTS} ${VITRELO_RC})
    target_compile_options(win32_tests PRIVATE ${VITRELO_WARNINGS})
    target_include_directories(win32_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    target_link_libraries(win32_tests PRIVATE vitrelo_win gtest_mingw)
    add_dependencies(win32_tests vitrelo_resources)
    target_link_options(win32_tests PRIVATE ${VITRELO_STATIC_LINK})
endif()

# Small helpers the end-to-end scenarios run under Wine beside the product.
file(GLOB VITRELO_E2E_TOOLS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/tools/*.cpp)
foreach(tool_src ${VITRELO_E2E_TOOLS})
    get_filename_component(tool ${tool_src} NAME_WE)
    add_executable(${tool} ${tool_src})
    target_compile_options(${tool} PRIVATE ${VITRELO_WARNINGS})
    target_link_libraries(${tool} PRIVATE ${VITRELO_WIN32_LIBS})
    target_link_options(${tool} PRIVATE ${VITRELO_STATIC_LINK})
endforeach()
# The DLL a scenario plants beside the program (the 32-bit one, for the product).
add_library(planted_dll SHARED ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/planted/planted_dll.cpp)
set_target_properties(planted_dll PROPERTIES PREFIX "")
target_compile_options(planted_dll PRIVATE ${VITRELO_WARNINGS})
target_link_options(planted_dll PRIVATE ${VITRELO_STATIC_LINK})

# Benchmarks of the real render pass (they print figures; scripts/bench runs them).
file(GLOB VITRELO_BENCH CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bench/win32/*.cpp)
foreach(bench_src ${VITRELO_BENCH})
    get_filename_component(bench ${bench_src} NAME_WE)
    add_executable(${bench} ${bench_src} ${VITRELO_RC})
    target_compile_options(${bench} PRIVATE ${VITRELO_WARNINGS})
    target_link_libraries(${bench} PRIVATE vitrelo_win psapi winmm)
    target_include_directories(${bench} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    add_dependencies(${bench} vitrelo_resources)
    target_link_options(${bench} PRIVATE ${VITRELO_STATIC_LINK})
endforeach()
