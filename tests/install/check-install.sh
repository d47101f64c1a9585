#!/usr/bin/env bash
# Installs the built tree into a temporary prefix (cmake --install) and checks what the
# desktop reads there with its own validators: the programs, the desktop entries, the
# icons at every size, the AppStream metainfo and the manual pages.
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
cd "$tmp/usr"

for program in bin/ludora4 bin/emuset bin/ludora4-mkinstall bin/ludora4-gamelist libexec/ludora4/I_View32; do
    [ -f "$program" ] && [ -x "$program" ] || fail "$program is missing or not executable"
done
unexpected=$(find . -type f | grep -Ev '^\./(bin/(ludora4|emuset|ludora4-mkinstall|ludora4-convert|ludora4-gamelist)|libexec/ludora4/I_View32|share/(applications|icons/hicolor|metainfo|man/man[16])/.*)$' || true)
[ -z "$unexpected" ] || fail "installed but not meant to be: $unexpected"

version=$(bin/ludora4 --version)
[[ $version =~ ^Ludora4\ ([0-9]+\.[0-9]+\.[0-9]+)$ ]] || fail "ludora4 --version printed '$version'"
version=${BASH_REMATCH[1]}
bin/ludora4 --help | grep -q -- '--root <dir>' || fail "ludora4 --help does not tell about --root"

for id in io.github.ludora4.Ludora4 io.github.ludora4.Emuset; do
    entry=share/applications/$id.desktop
    desktop-file-validate "$entry" || fail "$entry is not a valid desktop entry"
    grep -qx "Icon=$id" "$entry" || fail "$entry does not name the icon $id"
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "bin/$program" ] || fail "$entry starts '$program', which is not installed"
    [ -s "share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon $id"
    for size in 48 128 256; do
        png=share/icons/hicolor/${size}x${size}/apps/$id.png
        file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a $size px PNG"
    done
done

metainfo=share/metainfo/io.github.ludora4.Ludora4.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "$metainfo does not validate"
grep -q "<release version=\"$version\"" "$metainfo" || fail "$metainfo does not name the version $version"
grep -q '<launchable type="desktop-id">io.github.ludora4.Ludora4.desktop</launchable>' "$metainfo" \
    || fail "$metainfo does not launch the desktop entry"

for page in man1/ludora4-mkinstall.1 man1/ludora4-gamelist.1 man6/ludora4.6 man6/emuset.6; do
    file=share/man/$page
    [ -s "$file" ] || fail "no manual page $page"
    warnings=$(groff -man -ww -z "$file" 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
    grep -q "\"Ludora4 $version\"" "$file" || fail "$page does not name the version $version"
done
echo "installed tree ok (version $version)"
