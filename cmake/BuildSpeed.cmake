# What keeps the build fast, in one place.
#
# A precompiled header pays where many files parse the same large headers
# and one copy serves them all; a copy for each program costs more than it
# saves. Unity batches pay where many files include the same Qt headers.
# Measured with GCC 12, RelWithDebInfo, no ccache, CPU seconds:
#   GoogleTest, core tests: a file takes 3.3 without the header, 2.3 with
#     it, and making it takes 4.4. About 25 files share one: ~20 s saved.
#   Qt Widgets, window tests: a file takes 6.2 (test_TurnHint) or 11.3
#     (test_frmTurnix) without, 4.5 or 8.8 with. About 40 files, test
#     programs and their moc files, share one: about a minute saved.
#   Window library, clean: 124 file by file, 69 with a precompiled header,
#     29 in batches of twelve, 26 in batches with the header. Batches stay;
#     the header, 8% on top of them, does not: it also hid a missing
#     include. make tidy compiles file by file without either.
# The model, the solvers, vision and turnix-cli use neither: their headers
# are small, and each library has few files.
#
# Only targets compiled with the same options may share a precompiled header,
# so each is made by a real target whose options its users have: test_model
# for the core tests, the program for the window tests. Qt Test stays out of
# the window tests' header: it defines each test folder's
# QT_TESTCASE_BUILDDIR, and a header made with one folder's would be refused
# in the others.

# The Qt headers nearly every window test includes. Qt's umbrella headers
# would be slower to load than to parse.
set(TURNIX_QT_PRECOMPILED
    <QAction> <QApplication> <QDialog> <QKeyEvent> <QLabel> <QLineEdit> <QMainWindow> <QMenu>
    <QPainter> <QPushButton> <QString> <QVBoxLayout> <QWidget>
    <array> <memory> <optional> <string> <vector>)

# The window library compiles in batches of twelve files.
function(turnix_speed_up_window_library target)
    set_target_properties(${target} PROPERTIES
                          UNITY_BUILD ${TURNIX_UNITY_BUILD} UNITY_BUILD_BATCH_SIZE 12)
endfunction()

# The program makes the window tests' header when there are window tests.
function(turnix_make_window_test_header program)
    if(TURNIX_BUILD_UI_TESTS)
        target_precompile_headers(${program} PRIVATE ${TURNIX_QT_PRECOMPILED})
    endif()
endfunction()

function(turnix_use_window_test_header target)
    target_precompile_headers(${target} REUSE_FROM turnix)
endfunction()

# test_model makes GoogleTest's header; the other core tests use it. Without
# the core tests, the few left compile without it.
function(turnix_make_gtest_header target)
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h>)
endfunction()

function(turnix_use_gtest_header target)
    if(TARGET test_model)
        target_precompile_headers(${target} REUSE_FROM test_model)
    endif()
endfunction()
