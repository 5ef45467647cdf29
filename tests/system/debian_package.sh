#!/usr/bin/env bash
# Builds the Debian package with CPack, checks that it depends on the
# packages of every library the program links, unpacks it into a scratch root
# and starts the unpacked program until its window is on the screen.
#   debian_package.sh BUILD_DIR

source "$(dirname "$0")/xserver.sh"

BUILD=$1
cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/package" >"$WORK/cpack.log" 2>&1 \
    || fail "cpack: $(cat "$WORK/cpack.log")"
debs=("$WORK"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
echo "built $(basename "$deb")"

contents=$(dpkg-deb -c "$deb")
for path in usr/bin/fretlark usr/share/applications/fretlark.desktop \
            usr/share/icons/hicolor/32x32/apps/fretlark.png \
            usr/share/icons/hicolor/scalable/apps/fretlark.svg; do
    grep -q " \./$path\$" <<<"$contents" || fail "the package lacks $path"
done
grep -q ' \./usr/share/metainfo/.*\.metainfo\.xml$' <<<"$contents" || fail "the package lacks its metainfo"

# Every shared library the program needs comes from a package it depends on.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
dependencies=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
binary=$BUILD/app/fretlark
checked=0
for library in $(readelf -d "$binary" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
    path=$(ldd "$binary" | sed -n "s|^[[:space:]]*$library => \([^ ]*\).*|\1|p")
    [ -n "$path" ] || fail "ldd does not find $library"
    owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(realpath "$path")" 2>/dev/null) \
        || fail "no package owns $path"
    owner=${owner%%:*}
    grep -qx "$owner" <<<"$dependencies" || fail "$library comes from $owner, which is not in Depends"
    checked=$((checked + 1))
done
[ "$checked" -gt 0 ] || fail "found no shared libraries in $binary"
echo "the $checked libraries the program links all come from packages it depends on"
grep -qx fonts-liberation2 <<<"$dependencies" || fail "the package does not bring the window font"

# Unpacked into a root of its own, the program starts and shows its window.
dpkg-deb -x "$deb" "$WORK/root"
start_xvfb
"$WORK/root/usr/bin/fretlark" >"$WORK/fretlark.log" 2>&1 &
APP_PID=$!
window=$(wait_for_window Fretlark 20)
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "the unpacked program shows its window, ${WIDTH}x$HEIGHT"
[ "$WIDTH" -eq 638 ] || fail "its window is $WIDTH wide"
echo "debian package passed"
