# Warnings for every target of the project; none may be left.
add_library(dravek_opciones INTERFACE)
target_compile_options(dravek_opciones INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion>)
# CI builds with this on, so that a warning fails the build instead of scrolling past.
if(DRAVEK_WERROR)
    target_compile_options(dravek_opciones INTERFACE $<$<CXX_COMPILER_ID:GNU,Clang>:-Werror>)
endif()
add_library(Dravek::opciones ALIAS dravek_opciones)

# Address and undefined-behaviour sanitizers for every target built here, tools and tests
# included, so that a fault in the core shows in the test that reaches it. A finding stops the
# program instead of printing and carrying on, so the test fails.
if(DRAVEK_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "DRAVEK_SANITIZE needs GCC or Clang")
    endif()
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    # GCC's flow-based -Wrestrict and -Wmaybe-uninitialized misread the instrumented library
    # code (false alarms on std::string operator+ and inside <regex>/std::function in GCC 12);
    # the sanitizers themselves check those copies and reads at run time.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-restrict -Wno-maybe-uninitialized)
    endif()
    add_link_options(-fsanitize=address,undefined)
endif()
