#!/bin/sh
# Builds the Debian package with CPack and inspects it: the files it
# installs, the runtime dependencies it declares, and, where the validators
# are installed, its desktop entry and AppStream metainfo.
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
exit $fail
