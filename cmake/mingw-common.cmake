# Shared part of the MinGW-w64 toolchain files; KV_TRIPLE names the target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KV_TRIPLE})
set(CMAKE_C_COMPILER ${KV_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KV_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KV_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KV_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run under Wine through a wrapper that fixes prefix, locale and debug output.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
