# Cross build for 32-bit Windows, the layout the suite's hosts use.
set(KV_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
