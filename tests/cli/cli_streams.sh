#!/bin/sh
# The real turnix-cli on the standard streams a shell hands it: full, closed
# or a folder, and /dev/stdout as the file to save in a pipeline. Output that
# is lost and input that cannot be read must fail with status 2 and a message.
set -u

cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
solved=UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB
failures=0

# expect STATUS MESSAGE COMMAND...: the command's status and the last line
# it wrote on standard error.
expect() {
    status=$1
    message=$2
    shift 2
    "$@" 2>"$work/err"
    got=$?
    last=$(tail -n 1 "$work/err")
    if [ "$got" != "$status" ] || [ "$last" != "$message" ]; then
        echo "FAIL: $*: status $got, '$last'; expected $status, '$message'"
        failures=$((failures + 1))
    fi
}

full() { "$@" >/dev/full; }
closed_out() { "$@" >&-; }
closed_in() { "$@" <&-; }
folder_in() { "$@" <"$work"; }

lost="turnix-cli: cannot write to standard output"
unread="turnix-cli: cannot read standard input"
expect 2 "$lost" full "$cli" --version
expect 2 "$lost" full "$cli" solve --format notation --facelets \
    DRLUUBFBRBLURRLRUBLRDDFDLFUFUFFDBRDUBRUFLLFDDBFLUBLRBD
expect 2 "$lost" closed_out "$cli" --help
expect 2 "$unread" folder_in "$cli" solve --batch
expect 2 "$unread" folder_in "$cli" solve -
expect 2 "$unread" closed_in "$cli" solve --batch
# A device that takes no bytes fails the save.
expect 2 "turnix-cli: /dev/full: cannot write the file: No space left on device" \
    "$cli" save --facelets "$solved" /dev/full
# Saving needs no standard output at all.
expect 0 "" closed_out "$cli" save --facelets "$solved" "$work/closed.cub"

# A reader that goes away stops a batch at once, also where SIGPIPE does not
# end the program: the answers fill the pipe, the reader takes one line and
# leaves, and the cubes that come after, which would each take ten minutes,
# are never begun or are stopped.
scrambled=DRLUUBFBRBLURRLRUBLRDDFDLFUFUFFDBRDUBRUFLLFDDBFLUBLRBD
{
    yes "$solved" | head -n 100000
    yes "$scrambled" | head -n 100
} >"$work/many"
(
    trap '' PIPE
    { "$cli" solve --batch --short --max-turns 0 --time-limit 600000 <"$work/many" 2>"$work/err"
      echo $? >"$work/status"; } | head -n 1 >/dev/null
)
if [ "$(cat "$work/status")" != 2 ] || [ "$(tail -n 1 "$work/err")" != "$lost" ]; then
    echo "FAIL: a batch whose reader left: status $(cat "$work/status"), '$(tail -n 1 "$work/err")'"
    failures=$((failures + 1))
fi

# A link to this process's standard output first, which cannot harm /dev.
ln -s /proc/self/fd/1 "$work/out"
bytes=$("$cli" save --facelets "$solved" "$work/out" | wc -c)
if [ "$bytes" -ne 108 ] || [ ! -L "$work/out" ]; then
    echo "FAIL: save through a link to standard output gave $bytes bytes"
    exit 1
fi
bytes=$("$cli" save --facelets "$solved" /dev/stdout | wc -c)
if [ "$bytes" -ne 108 ] || { [ ! -L /dev/stdout ] && [ ! -c /dev/stdout ]; }; then
    echo "FAIL: save to /dev/stdout gave $bytes bytes"
    failures=$((failures + 1))
fi

exit $((failures > 0))
