#!/usr/bin/env bash
# Builds the Debian package with CPack, checks its name and fields, extracts it with
# dpkg-deb -x, and starts the extracted front-end headless with a fresh HOME: the first
# start makes the user's installation from the package's files and shows the window; the
# next start finds it and keeps it.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack failed"; }
version=$("$build/frontend/ludora4" --version | cut -d' ' -f2)
deb=$tmp/out/ludora4_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); made: $(ls "$tmp/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ludora4 ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for needed in libc6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libgd3; do
    [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] || fail "Depends lacks $needed: $depends"
done

root=$tmp/root
dpkg-deb -x "$deb" "$root"
[ -x "$root/usr/bin/ludora4" ] && [ -x "$root/usr/libexec/ludora4/I_View32" ] || fail "programs missing in the package"

# Headless, a fresh home, nothing that points back at the build tree.
#   run [NAME=VALUE...] [-- ARGUMENT...]
run() {
    local vars=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do vars+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    env -u LUDORA_BUILD_DIR -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$tmp/home" QT_QPA_PLATFORM=offscreen \
        "${vars[@]}" timeout 120 "$root/usr/bin/ludora4" --check-start "$@"
}
data=$tmp/home/.local/share/ludora4
mkdir -p "$tmp/home"
out=$(run) || fail "the first start did not show the main window: $out"
grep -qx "Shown: Ludora4 Rel. $version" <<<"$out" || fail "unexpected window: $out"
grep -qx "Status: A new empty installation was made in $data" <<<"$out" || fail "no note of the new installation: $out"
for db in gameboy nintendo snes lynx mast mega gamegear pcengine msx amiga; do
    [ -s "$data/database/$db.mdb" ] || fail "no $db database in $data"
done
cmp -s "$data/pack/I_View32/I_View32" "$root/usr/libexec/ludora4/I_View32" || fail "the converter was not copied from the package"

touch "$data/console/gameboy/games/mine.rom"
out=$(run) || fail "the second start did not show the main window: $out"
grep -qx "Status: A new empty installation was made in .*" <<<"$out" && fail "made again: $out"
[ -f "$data/console/gameboy/games/mine.rom" ] || fail "the second start changed the installation"

# A start that cannot show the window ends with its message printed, instead of waiting.
mkdir "$tmp/empty"
if out=$(run -- --root "$tmp/empty" 2>&1); then fail "a start on an empty --root passed: $out"; fi
grep -q "^Message: ERROR!: There is no Ludora4 installation in $tmp/empty. Make one with: ludora4-mkinstall $tmp/empty$" <<<"$out" \
    || fail "no message for an empty --root: $out"
[ -z "$(ls -A "$tmp/empty")" ] || fail "an installation was made in the explicit root"

# XDG_DATA_HOME moves the user's installation.
out=$(run XDG_DATA_HOME="$tmp/elsewhere") || fail "no start with XDG_DATA_HOME: $out"
[ -s "$tmp/elsewhere/ludora4/pack/ludora.mdb" ] || fail "XDG_DATA_HOME was not used: $out"

# The packaged gamelist command works on the installation the front-end made, without --root.
[ -x "$root/usr/bin/ludora4-gamelist" ] || fail "ludora4-gamelist missing in the package"
printf '<gameList><game><path>/home/pi/roms/gb/mine.rom</path><name>Mine</name></game></gameList>' >"$tmp/gamelist.xml"
out=$(env -u XDG_DATA_HOME HOME="$tmp/home" "$root/usr/bin/ludora4-gamelist" import gb "$tmp/gamelist.xml") \
    || fail "the packaged ludora4-gamelist failed: $out"
grep -q "^1 games added," <<<"$out" || fail "the packaged ludora4-gamelist did not add the game: $out"

echo "package ok: $(basename "$deb")"
