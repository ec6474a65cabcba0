# Native build: the portable layers with their unit tests against the fakes of the
# ports (tests/fakes), plain and sanitized, and the CTest registrations of every layer.
find_package(GTest REQUIRED)
# The test tidy reads the compile commands (set here too: cmake does not apply a preset's cache
# variables to a folder it configured already).
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
include(GoogleTest)

set(VITRELO_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

vitrelo_portable("")
vitrelo_portable(_asan OPTIONS ${VITRELO_SANITIZE})

file(GLOB VITRELO_UNIT_TESTS CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/tests/unit/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/tests/fakes/*.cpp)

if(VITRELO_UNIT_TESTS)
    foreach(suffix "" _asan)
        add_executable(unit_tests${suffix} ${VITRELO_UNIT_TESTS})
        target_include_directories(unit_tests${suffix} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
        target_link_libraries(unit_tests${suffix} PRIVATE vitrelo_app${suffix} GTest::gtest_main)
        target_compile_definitions(unit_tests${suffix} PRIVATE
            VITRELO_GOLDEN="${CMAKE_CURRENT_SOURCE_DIR}/tests/golden")
    endforeach()
    target_compile_options(unit_tests PRIVATE ${VITRELO_WARNINGS})
    gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30)

    target_compile_options(unit_tests_asan PRIVATE ${VITRELO_WARNINGS} ${VITRELO_SANITIZE})
    target_link_options(unit_tests_asan PRIVATE ${VITRELO_SANITIZE})
    # One CTest entry for the whole sanitized run keeps the count readable.
    add_test(NAME unit_tests_asan COMMAND unit_tests_asan --gtest_brief=1)
    set_tests_properties(unit_tests_asan PROPERTIES
        ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1")
endif()

enable_testing()
add_subdirectory(tests)
