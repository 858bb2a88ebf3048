# Warnings for every target of the project; none may be left.
add_library(dravek_opciones INTERFACE)
target_compile_options(dravek_opciones INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion>)
add_library(Dravek::opciones ALIAS dravek_opciones)
