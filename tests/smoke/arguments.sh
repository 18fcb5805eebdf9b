#!/bin/sh
# Help and the version are answered without a display, a window system
# that would fail if the program tried to open a window; two files are
# refused with a usage line and status 2.
set -u
program=$1
version=$2
fail=0

help=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --help) ||
    { echo "--help failed"; fail=1; }
printf '%s\n' "$help" | head -n 1 | grep -qx 'Usage: turnix \[options\] \[FILE.cub\]' ||
    { echo "--help printed: $help"; fail=1; }
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --version) ||
    { echo "--version failed"; fail=1; }
[ "$shown" = "turnix $version" ] || { echo "--version printed: $shown"; fail=1; }

refused=$(QT_QPA_PLATFORM=offscreen "$program" a.cub b.cub 2>&1)
status=$?
[ $status -eq 2 ] || { echo "two files gave status $status"; fail=1; }
printf '%s\n' "$refused" | grep -qx 'Usage: turnix \[FILE.cub\]' ||
    { echo "two files printed: $refused"; fail=1; }
exit $fail
