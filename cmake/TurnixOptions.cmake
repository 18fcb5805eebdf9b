# Warnings for the project's own code; third-party headers come in as system
# includes and are not affected. -Werror belongs to the developer's loop and
# CI (make test turns it on), not to a packager's newer compiler.
add_library(turnix_options INTERFACE)
target_compile_options(turnix_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    # A precompiled header that the compiler refuses would only cost time.
    -Winvalid-pch)
if(TURNIX_WERROR)
    target_compile_options(turnix_options INTERFACE -Werror)
endif()

if(TURNIX_SANITIZE)
    # The sanitizers' checks confuse GCC's flow analysis at -O2 into false
    # maybe-uninitialized warnings inside the standard library.
    target_compile_options(turnix_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
        $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
    target_link_options(turnix_options INTERFACE -fsanitize=address,undefined)
endif()

# The core's searches run the checked tests' longest parts: under the
# sanitizers they are compiled at -O1, which runs those tests several times
# faster than -O0 for a few seconds more of compiling.
function(turnix_optimise_when_checked target)
    if(TURNIX_SANITIZE)
        target_compile_options(${target} PRIVATE -O1)
    endif()
endfunction()
