# The native Linux build: only the platform-neutral load data code and its tests, under
# AddressSanitizer and UndefinedBehaviorSanitizer. With clang, the code is also
# instrumented for libFuzzer and the fuzz targets over its readers are built.
# The records' 4-byte packing puts doubles and pointers at 4-byte offsets by design (the
# suite's layout); x86 reads them unaligned, so the alignment check is left out.
set(KV_SANITIZERS -fsanitize=address,undefined -fno-sanitize=alignment -fno-sanitize-recover=all
  -fno-omit-frame-pointer)
add_compile_options(${KV_SANITIZERS})
add_link_options(${KV_SANITIZERS})
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(KV_FUZZ ON)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

include(GoogleTest)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_subdirectory(loaddata)
add_subdirectory(tests/loaddata)
