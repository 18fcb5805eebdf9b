# Manual pages, made from each program's --help and --version by help2man,
# with the sections --help lacks from docs/man/*.h2m; installed compressed,
# as Debian wants them.
include(GNUInstallDirs)
# The sanitizer build is for tests; its programs may report at exit.
if(TURNIX_SANITIZE)
    return()
endif()
find_program(TURNIX_HELP2MAN help2man)
find_program(TURNIX_GZIP gzip)
if(NOT TURNIX_HELP2MAN OR NOT TURNIX_GZIP)
    message(WARNING "help2man or gzip not found: no manual pages are made")
    return()
endif()

set(TURNIX_MAN_DIR ${CMAKE_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${TURNIX_MAN_DIR})

# turnix_man_page(<program target>): <target>.1, and .1.gz to install.
function(turnix_man_page program)
    set(include ${PROJECT_SOURCE_DIR}/docs/man/${program}.h2m)
    set(page ${TURNIX_MAN_DIR}/${program}.1)
    add_custom_command(
        OUTPUT ${page} ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                ${TURNIX_HELP2MAN} --no-info --section=1 --include=${include}
                --output=${page} $<TARGET_FILE:${program}>
        COMMAND ${TURNIX_GZIP} -9 -n -f -k ${page}
        DEPENDS ${program} ${include}
        COMMENT "Writing the manual page ${program}.1"
        VERBATIM)
    add_custom_target(${program}-man ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

turnix_man_page(turnix-cli)
if(TURNIX_BUILD_UI)
    turnix_man_page(turnix)
endif()
