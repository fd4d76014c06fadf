# Compiler flags shared by every target of the project.
add_compile_options(-Wall -Wextra)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-missing-field-initializers)
endif()

if(QM_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(QM_BUILD_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# qm_collect_sources(OUT DIRS...): every C and C++ source under the given folders.
function(qm_collect_sources out)
    set(files)
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS
             ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.c)
        list(APPEND files ${found})
    endforeach()
    if(NOT files)
        # A library whose modules are yet to come still builds.
        set(empty ${CMAKE_CURRENT_BINARY_DIR}/empty_library.cpp)
        file(WRITE ${empty} "// no modules yet\n")
        set(files ${empty})
    endif()
    set(${out} ${files} PARENT_SCOPE)
endfunction()
