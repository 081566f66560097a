#!/usr/bin/env bash
# `cmake --install` lays out a whole desktop program under a fresh prefix: the
# launcher on PATH, the program with its sound folders in a folder of its own,
# a valid desktop entry and software-centre description, the icon in every
# size of the icon theme, the manual page; then the installed launcher runs, on
# an 800 x 600 screen and from the desktop entry on a larger one.
# Usage: install-tree.sh BUILD_DIR ARTIFACTS_DIR
set -euo pipefail

build=$1
work="$2/install-tree"
rm -rf "$work"
mkdir -p "$work"
prefix="$work/prefix"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

[[ -x "$prefix/bin/quil-os" ]] || fail "no launcher at bin/quil-os"
[[ -x "$prefix/lib/quil-os/quil-os" ]] || fail "no program at lib/quil-os/quil-os"
for folder in Sfx Music; do
  built=$(find "$build/bin/$folder" -type f | wc -l)
  installed=$(find "$prefix/lib/quil-os/$folder" -type f | wc -l)
  ((built > 0 && installed == built)) || fail "$folder: $installed files installed of $built built"
done

share="$prefix/share"
desktop-file-validate "$share/applications/quil-os.desktop" || fail "the desktop entry is not valid"
grep -qx 'Categories=Game;.*' "$share/applications/quil-os.desktop" || fail "the desktop entry is not in Game"
metainfo=("$share"/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "${metainfo[@]}" >"$work/appstream.log" 2>&1 ||
  fail "the metainfo is not valid: $(cat "$work/appstream.log")"
grep -q '<launchable type="desktop-id">quil-os.desktop</launchable>' "${metainfo[@]}" ||
  fail "the metainfo does not launch quil-os.desktop"
# Its screenshots are the tour's in docs/screenshots, published on the web site.
mapfile -t shown < <(grep -o 'screenshots/[^<]*\.png' "${metainfo[@]}")
((${#shown[@]} >= 3)) || fail "the metainfo shows ${#shown[@]} screenshots"
for screenshot in "${shown[@]}"; do
  [[ -f "$(dirname "$0")/../../docs/$screenshot" ]] || fail "the metainfo shows docs/$screenshot, which is missing"
done

# The scalable icon is checked as librsvg draws it, through the assets tool.
"$build/tools/assetgen/quil_assetgen" icon "$share/icons/hicolor/scalable/apps/quil-os.svg" 96 "$work/scalable.png" ||
  fail "the scalable icon cannot be drawn"
for size in 16 24 32 48 64 128 256 scalable; do
  icon="$share/icons/hicolor/${size}x${size}/apps/quil-os.png" expected="${size}x${size}"
  [[ "$size" != scalable ]] || icon="$work/scalable.png" expected=96x96
  [[ -f "$icon" ]] || fail "no ${size} px icon"
  read -r geometry opaque < <(convert "$icon" -alpha extract -format '%wx%h %[fx:mean>0.5]\n' info:)
  [[ "$geometry" == "$expected" ]] || fail "the $size icon is $geometry"
  [[ "$opaque" == 1 ]] || fail "the $size icon is mostly transparent"
done

warnings=$(man --warnings -l "$share/man/man6/quil-os.6.gz" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || fail "the manual page: $warnings"
grep -q 'Quil OS' <(man -l "$share/man/man6/quil-os.6.gz" 2>/dev/null) || fail "the manual page does not render"

bash "$(dirname "$0")/installed-program.sh" "$prefix/bin/quil-os" "$work"
PATH="$prefix/bin:$PATH" bash "$(dirname "$0")/desktop-entry.sh" "$share/applications/quil-os.desktop" "$work"
rm -rf "$work"
