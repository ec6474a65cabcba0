# The fuzz preset (clang, build/fuzz): the fuzz target alone, clang's libFuzzer with
# AddressSanitizer and UndefinedBehaviorSanitizer, over the two layers it feeds. The native
# build's CTest runs it (tests/CMakeLists.txt).
set(VITRELO_FUZZ_FLAGS -g -O1 -fsanitize=address,undefined -fno-sanitize-recover=all)
# The layers get the fuzzer's coverage instrumentation; only the target links its main().
vitrelo_layer(magnifier "" OPTIONS ${VITRELO_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)
vitrelo_layer(export "" DEPS magnifier OPTIONS ${VITRELO_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)

add_executable(fuzz ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/fuzz.cpp)
target_compile_options(fuzz PRIVATE ${VITRELO_WARNINGS} ${VITRELO_FUZZ_FLAGS} -fsanitize=fuzzer)
target_link_options(fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz PRIVATE vitrelo_export)
