# The Debian package round trip: build it, install it with apt, check what it installed, start the
# installed game under an X server of its own, and remove the package again.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
cd "$ROOT"

build="$(realpath -m "${ZANDOR_PACKAGE_BUILD:-$ROOT/build/default}")"
caption="Zandor [O:0; X:0]"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
apt_get() { $sudo apt-get -o DPkg::Lock::Timeout=600 -qq "$@"; }

fail() { echo "package: $*" >&2; exit 1; }

work="$(mktemp -d)"
xvfb_pid="" game_pid="" installed=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$installed" ] && apt_get remove -y zandor >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

# Build the package (the earlier stage has built everything already when run from tools/test).
[ -f "$build/CMakeCache.txt" ] || cmake --preset default -B "$build"
cmake --build "$build" -j2 --target zandor zandor_icons
rm -rf "$build/package"
(cd "$build" && cpack --config CPackConfig.cmake -B "$build/package")
debs=("$build"/package/zandor_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one zandor_<version>_<arch>.deb, found: ${debs[*]}"
deb="${debs[0]}"
arch="$(dpkg --print-architecture)"
[[ "$(basename "$deb")" == zandor_*_"$arch".deb ]] || fail "unexpected file name $(basename "$deb")"
depends="$(dpkg-deb -f "$deb" Depends)"
[[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] || fail "library dependencies missing: $depends"

# Install it the way a user would; --reinstall so a copy left by an earlier run is replaced too.
apt_get install -y --reinstall "$deb"
installed=yes
dpkg-query -W -f='${Status}' zandor | grep -q 'install ok installed' || fail "not installed"
program=/usr/games/zandor
[ -x "$program" ] || fail "$program missing"

# What the desktop sees: entry, software-centre entry, manual page, icons at every size.
desktop-file-validate /usr/share/applications/zandor.desktop
mapfile -t metainfo < <(dpkg -L zandor | grep '^/usr/share/metainfo/.*\.metainfo\.xml$')
[ ${#metainfo[@]} -eq 1 ] || fail "expected one metainfo file, found ${#metainfo[@]}"
appstreamcli validate --no-net "${metainfo[0]}"
[ -f /usr/share/man/man6/zandor.6 ] || fail "manual page missing"
warnings="$(groff -man -ww -z /usr/share/man/man6/zandor.6 2>&1)"
[ -z "$warnings" ] || fail "manual page: $warnings"
for size in 16 32 48 128 256; do
  icon="/usr/share/icons/hicolor/${size}x${size}/apps/zandor.png"
  [ -f "$icon" ] || fail "icon $icon missing"
  got="$(identify -format '%m %w %h' "$icon")"
  [ "$got" = "PNG $size $size" ] || fail "icon $icon is '$got', expected 'PNG $size $size'"
done

# Start the installed game on a display of its own; Xvfb picks a free display number itself.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
# It runs as a player who cannot write /usr/games (nobody, when this runs as root), so the folder
# of its loss log must appear in that player's home at start.
player_home="$work/player"
mkdir -p "$player_home"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$work"
  chown 65534:65534 "$player_home"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
"${as_player[@]}" env HOME="$player_home" XDG_DATA_HOME= QT_QPA_PLATFORM=xcb "$program" >"$work/game.log" 2>&1 &
game_pid=$!
name=""
for _ in $(seq 100); do
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start: $(cat "$work/game.log")"
  for id in $(xdotool search --name '^Zandor' 2>/dev/null); do
    name="$(xdotool getwindowname "$id" 2>/dev/null || true)"
    [ "$name" = "$caption" ] && break 2
  done
  sleep 0.2
done
[ "$name" = "$caption" ] || fail "no window with the caption '$caption' (last seen: '$name')"
echo "package: the installed game shows '$name'"
[ -d "$player_home/.local/share/zandor" ] || fail "no per-user folder for the loss log in the player's home"
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true; game_pid=""
kill "$xvfb_pid"; wait "$xvfb_pid" 2>/dev/null || true; xvfb_pid=""

# And remove it again.
apt_get remove -y zandor
installed=""
[ ! -e "$program" ] || fail "$program left behind after removal"
! dpkg-query -W -f='${Status}' zandor 2>/dev/null | grep -q 'install ok installed' || fail "still installed"
echo "package: $(basename "$deb") built, installed, started and removed"
