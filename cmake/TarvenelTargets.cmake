# Compiler settings shared by every target of our own.

function(tarvenel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

if(WIN32)
    # One self-contained exe: no MinGW runtime DLLs next to it.
    add_link_options(-static -static-libgcc -static-libstdc++)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
