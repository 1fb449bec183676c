# Warning and sanitizer flags shared by every target of the project.
function(qm47_apply_compiler_settings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(QM47_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

if(QM47_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Puts an executable at the top of the build tree, where the README and the tests expect it.
function(qm47_top_level_executable target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    qm47_apply_compiler_settings(${target})
endfunction()
