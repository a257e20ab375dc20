# Compiler settings shared by every target of our own.

function(tarvenel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    # GCC 12 reports impossible overlaps inside std::string's own inlined
    # memcpy when optimising (GCC bug 105329); nothing in our code to fix.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()

if(WIN32)
    # One self-contained exe: no MinGW runtime DLLs next to it.
    add_link_options(-static -static-libgcc -static-libstdc++)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
