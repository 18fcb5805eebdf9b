# Warnings as errors for the project's own code; third-party headers come in
# as system includes and are not affected.
add_library(turnix_options INTERFACE)
target_compile_options(turnix_options INTERFACE -Wall -Wextra -Wpedantic -Werror)

if(TURNIX_SANITIZE)
    target_compile_options(turnix_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(turnix_options INTERFACE -fsanitize=address,undefined)
endif()
