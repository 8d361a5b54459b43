#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop menu
# needs: the program, its menu entry pointing at it and at the sample folder,
# and the icon the entry names.
#   tests/app/check_install.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: check_install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "check_install: $*" >&2; exit 1; }
entry=$prefix/share/applications/109.desktop
[ -x "$prefix/bin/109" ] || fail "no program in bin/"
[ -f "$entry" ] || fail "no menu entry"
[ -f "$prefix/share/icons/hicolor/scalable/apps/109.svg" ] || fail "no icon"
[ -f "$prefix/share/109/samples/12.hy3" ] || fail "no sample route"
grep -qx "Exec=\"$prefix/bin/109\"" "$entry" || fail "Exec does not name the installed program"
grep -qx "Path=$prefix/share/109/samples" "$entry" || fail "Path is not the sample folder"
grep -qx "Icon=109" "$entry" || fail "Icon is not the installed icon's name"
desktop-file-validate "$entry" || fail "the menu entry is not valid"
metainfo=$prefix/share/metainfo/109.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metainfo"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "the metainfo is not valid"
echo "check_install: ok"
