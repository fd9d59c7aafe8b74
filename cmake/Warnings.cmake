# Warnings on for every target of the project; the build stays clean in both architectures.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wno-cast-function-type)
