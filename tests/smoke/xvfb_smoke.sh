#!/bin/sh
# Starts the real program on a virtual X display with the xcb platform,
# checks that it maps a top-level window titled "Turnix", asks it to close
# and checks that it stored its six colours on the way out.
set -eu

program=$1
work=$(mktemp -d)
xvfb=
app=

cleanup() {
    if [ -n "$app" ]; then kill -9 "$app" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -f "$work/app.log" ] && sed 's/^/  turnix: /' "$work/app.log"
    exit 1
}

# Wait up to five seconds for a condition given as a command.
wait_for() {
    tries=50
    while [ $tries -gt 0 ]; do
        if "$@"; then
            return 0
        fi
        tries=$((tries - 1))
        sleep 0.1
    done
    return 1
}

# Xvfb picks a free display and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
wait_for test -s "$work/display" || fail "Xvfb did not start"
DISPLAY=":$(cat "$work/display")"
export DISPLAY

mkdir -p "$work/home" "$work/config"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" QT_QPA_PLATFORM=xcb \
    "$program" >"$work/app.log" 2>&1 </dev/null &
app=$!

main_window_mapped() {
    for id in $(xwininfo -root -tree 2>/dev/null | awk '$2 == "\"Turnix\":" { print $1 }'); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
            return 0
        fi
    done
    return 1
}
wait_for main_window_mapped || fail "no mapped window titled Turnix"

kill -TERM "$app"
exited() { ! kill -0 "$app" 2>/dev/null; }
wait_for exited || fail "the program did not close when asked to"
status=0
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "the program exited with status $status"

settings="$work/config/Turnix/Turnix.conf"
[ -f "$settings" ] || fail "no settings file was written"
for k in 1 2 3 4 5 6; do
    grep -Eq "^ColorValue$k=[0-9]+$" "$settings" || fail "ColorValue$k was not stored"
done
echo "PASS: window mapped, closed cleanly, six colours stored"
