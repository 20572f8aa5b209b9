# Warning flags for our own code only (JUCE's module code is compiled without them).
add_library(nubo_warnings INTERFACE)
if(MSVC)
    target_compile_options(nubo_warnings INTERFACE /W4)
    if(NUBO_WARNINGS_AS_ERRORS)
        target_compile_options(nubo_warnings INTERFACE /WX)
    endif()
else()
    target_compile_options(nubo_warnings INTERFACE
        -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
        -Wunused -Wsign-compare -Wunreachable-code -Wredundant-decls)
    if(NUBO_WARNINGS_AS_ERRORS)
        target_compile_options(nubo_warnings INTERFACE -Werror)
    endif()
endif()
