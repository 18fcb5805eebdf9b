#!/bin/sh
# Builds the Debian package with CPack and inspects it: the files it
# installs, the runtime dependencies it declares, its manual pages as man
# shows them, and, where the validators are installed, its desktop entry,
# AppStream metainfo and the package as lintian sees it.
set -eu
config=${1:?usage: check_deb.sh CPackConfig.cmake}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$config" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(find "$work" -maxdepth 1 -name 'turnix_*.deb' | head -n 1)
[ -n "$deb" ] || { echo "no turnix_*.deb was made"; exit 1; }

fail=0
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/lib/turnix/turnix ./usr/lib/turnix/Instructions.rtf ./usr/bin/turnix-cli \
            ./usr/bin/turnix ./usr/share/applications/turnix.desktop \
            ./usr/share/icons/hicolor/scalable/apps/turnix.svg \
            ./usr/share/metainfo/org.turnix.turnix.metainfo.xml \
            ./usr/share/mime/packages/turnix.xml \
            ./usr/share/man/man1/turnix.1.gz ./usr/share/man/man1/turnix-cli.1.gz \
            ./usr/lib/turnix/translations/turnix_de.qm ./usr/lib/turnix/translations/turnix_zh_CN.qm; do
    printf '%s\n' "$files" | grep -qx "$path" || { echo "missing from the package: $path"; fail=1; }
done
link=$(dpkg-deb -c "$deb" | awk '$6 == "./usr/bin/turnix" {print $8}')
[ "$link" = "../lib/turnix/turnix" ] || { echo "usr/bin/turnix should link to ../lib/turnix/turnix, not '$link'"; fail=1; }

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6printsupport6 libqt6multimedia6 libqt6gui6 libqt6core6 \
               libopencv-imgcodecs406 libstdc++6 libc6; do
    printf '%s\n' "$depends" | grep -q "\b$library\b" || { echo "Depends lacks $library: $depends"; fail=1; }
done
dpkg-deb -f "$deb" Recommends | grep -q '\bgstreamer1.0-plugins-good\b' ||
    { echo "Recommends lacks the webcam's GStreamer plugins"; fail=1; }
[ "$(dpkg-deb -f "$deb" Package)" = turnix ] || { echo "the package is not named turnix"; fail=1; }

dpkg-deb -x "$deb" "$work/root"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/turnix.desktop" || fail=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.turnix.turnix.metainfo.xml" || fail=1
fi
grep -q '^MimeType=application/x-turnix-cube;$' "$work/root/usr/share/applications/turnix.desktop" ||
    { echo "the desktop entry does not open cube files"; fail=1; }
grep -q '^Exec=turnix %f$' "$work/root/usr/share/applications/turnix.desktop" ||
    { echo "the desktop entry does not pass the file on"; fail=1; }
dpkg-deb -f "$deb" Description | grep -q ';' && { echo "stray ';' in the description"; fail=1; }

# Each page renders without a complaint from groff and names its program.
if command -v man >/dev/null; then
    for program in turnix turnix-cli; do
        page="$work/root/usr/share/man/man1/$program.1.gz"
        shown=$(MANWIDTH=80 man --warnings -l "$page" 2>"$work/man.err") ||
            { echo "man -l $program.1.gz failed"; fail=1; }
        [ -s "$work/man.err" ] && { echo "man -l $program.1.gz:"; cat "$work/man.err"; fail=1; }
        printf '%s\n' "$shown" | grep -q "^ *$program - " ||
            { echo "$program.1.gz has no NAME line for $program"; fail=1; }
    done
fi
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" || fail=1
fi
exit $fail
