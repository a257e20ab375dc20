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

# tarvenel_layer(FOLDER [USES FOLDER...] SOURCES file...): the library
# tarvenel_<FOLDER> of one folder of the core. Its files see the headers of
# their own folder and of the folders named after USES (every lower folder
# they include from, directly or through a header), and nothing else: the
# include path is a folder of links to exactly those, so including a header
# of a higher layer does not compile. Front ends and tests see everything.
function(tarvenel_layer folder)
    cmake_parse_arguments(LAYER "" "" "USES;SOURCES" ${ARGN})
    set(view ${PROJECT_BINARY_DIR}/layers/${folder})
    file(REMOVE_RECURSE ${view})
    file(MAKE_DIRECTORY ${view})
    foreach(visible IN ITEMS ${folder} ${LAYER_USES})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${visible} ${view}/${visible} SYMBOLIC)
    endforeach()
    add_library(tarvenel_${folder} STATIC ${LAYER_SOURCES})
    target_include_directories(tarvenel_${folder} PUBLIC ${view})
    foreach(lower IN LISTS LAYER_USES)
        target_link_libraries(tarvenel_${folder} PUBLIC tarvenel_${lower})
    endforeach()
    tarvenel_warnings(tarvenel_${folder})
    target_link_libraries(tarvenel_core INTERFACE tarvenel_${folder})
endfunction()
