# Every Windows binary carries the GCC runtime so that it runs on a bare Windows.
add_link_options(-static-libgcc -static-libstdc++ -static)
# The module uses the ANSI functions and 8-bit strings throughout.
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0600 NOMINMAX WIN32_LEAN_AND_MEAN)
