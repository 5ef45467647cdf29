#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop finds
# there: the program, its menu entry, its icons and its software-centre entry,
# the two description files validated by the tools the desktops use.
#   installed_files.sh BUILD_DIR

source "$(dirname "$0")/xserver.sh"

BUILD=$1
PREFIX=$WORK/usr
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" || fail "cmake --install: $(cat "$WORK/install.log")"

[ -x "$PREFIX/bin/fretlark" ] || fail "no bin/fretlark"
desktop=$PREFIX/share/applications/fretlark.desktop
[ -f "$desktop" ] || fail "no desktop entry"
metainfo=("$PREFIX"/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fail "expected one metainfo file, found: ${metainfo[*]}"

# Both validators must have nothing to say.
output=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$output" ] || fail "desktop-file-validate: $output"
output=$(appstreamcli validate --no-net "${metainfo[0]}" 2>&1) || fail "appstreamcli validate: $output"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Categories)" = "Education;Music;" ] || fail "Categories=$(key Categories)"
for word in guitar scales chords fretboard; do
    [[ ";$(key Keywords)" == *";$word;"* ]] || fail "Keywords lack $word: $(key Keywords)"
done
# The menu entry starts the installed program and shows the installed icon.
[ -x "$PREFIX/bin/$(key Exec)" ] || fail "Exec=$(key Exec) is not the installed program"
icon=$(key Icon)
file "$PREFIX/share/icons/hicolor/32x32/apps/$icon.png" | grep -q 'PNG image data, 32 x 32' \
    || fail "no 32x32 icon $icon.png"
grep -q '<svg' "$PREFIX/share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon $icon.svg"
grep -q "<launchable type=\"desktop-id\">fretlark.desktop</launchable>" "${metainfo[0]}" \
    || fail "the metainfo does not launch fretlark.desktop"
[ "$(basename "${metainfo[0]}" .metainfo.xml)" = "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "${metainfo[0]}")" ] \
    || fail "the metainfo file is not named after its id"
echo "installed files passed"
