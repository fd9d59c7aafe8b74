# Cross build for 64-bit Windows hosts with MinGW-w64 (posix thread model).
set(KV_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
