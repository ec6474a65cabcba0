# Native build: the logic against the fake platform, plain and sanitized, and the CTest
# registrations of every test layer.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB VITRELO_FAKE_SOURCES CONFIGURE_DEPENDS ${VITRELO_SRC}/platform/fake/*.cpp)
file(GLOB VITRELO_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/unit/*.cpp)

set(VITRELO_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

if(VITRELO_UNIT_TESTS)
    vitrelo_logic_library(vitrelo_fake SOURCES ${VITRELO_FAKE_SOURCES})
    add_executable(unit_tests ${VITRELO_UNIT_TESTS})
    target_compile_options(unit_tests PRIVATE ${VITRELO_WARNINGS})
    target_include_directories(unit_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    target_link_libraries(unit_tests PRIVATE vitrelo_fake GTest::gtest_main)
    target_compile_definitions(unit_tests PRIVATE
        VITRELO_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
    gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30)

    vitrelo_logic_library(vitrelo_fake_asan SOURCES ${VITRELO_FAKE_SOURCES}
        OPTIONS ${VITRELO_SANITIZE})
    target_link_options(vitrelo_fake_asan PUBLIC ${VITRELO_SANITIZE})
    add_executable(unit_tests_asan ${VITRELO_UNIT_TESTS})
    target_compile_options(unit_tests_asan PRIVATE ${VITRELO_WARNINGS} ${VITRELO_SANITIZE})
    target_include_directories(unit_tests_asan PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    target_link_libraries(unit_tests_asan PRIVATE vitrelo_fake_asan GTest::gtest_main)
    target_compile_definitions(unit_tests_asan PRIVATE
        VITRELO_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
    # One CTest entry for the whole sanitized run keeps the count readable.
    add_test(NAME unit_tests_asan COMMAND unit_tests_asan --gtest_brief=1)
    set_tests_properties(unit_tests_asan PROPERTIES
        ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1")
endif()

enable_testing()
add_subdirectory(tests)
