# The Debian package round trip: build it, check it with lintian, install it with apt, check what it
# installed, start the installed game under an X server and window manager of its own, and remove it.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
cd "$ROOT"

build="$(realpath -m "${ZANDOR_PACKAGE_BUILD:-$ROOT/build/default}")"
caption="Zandor [O:0; X:0]"
[ "$(id -u)" -eq 0 ] && export DEBIAN_FRONTEND=noninteractive
apt_get() { as_root apt-get -o DPkg::Lock::Timeout=600 -qq "$@"; }

fail() { echo "package: $*" >&2; exit 1; }

work="$(mktemp -d)"
xvfb_pid="" wm_pid="" game_pid="" installed=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$installed" ] && apt_get remove -y zandor >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

# Build the package (the earlier stage has built everything already when run from tools/test).
[ -f "$build/CMakeCache.txt" ] || cmake --preset default -B "$build"
cmake --build "$build" -j2 --target zandor zandor_icons zandor_docs
rm -rf "$build/package"
(cd "$build" && cpack --config CPackConfig.cmake -B "$build/package")
debs=("$build"/package/zandor_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one zandor_<version>_<arch>.deb, found: ${debs[*]}"
deb="${debs[0]}"
arch="$(dpkg --print-architecture)"
[[ "$(basename "$deb")" == zandor_*_"$arch".deb ]] || fail "unexpected file name $(basename "$deb")"
depends="$(dpkg-deb -f "$deb" Depends)"
[[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] || fail "library dependencies missing: $depends"
# What Debian asks of a package: any error or warning fails. An override, if ever needed, goes in
# packaging/ with a comment saying why.
lintian --fail-on error,warning --no-tag-display-limit "$deb" || fail "lintian found faults in $(basename "$deb")"
dpkg-deb -f "$deb" Homepage Maintainer Description | grep -i 'example\.org' && fail "the package points at example.org"

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
[ -f /usr/share/man/man6/zandor.6.gz ] || fail "manual page missing"
warnings="$(zcat /usr/share/man/man6/zandor.6.gz | groff -man -ww -z 2>&1)"
[ -f /usr/share/doc/zandor/copyright ] || fail "copyright file missing"
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
# A window manager frames the window, as on a desktop.
openbox >"$work/wm.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
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
# Its frame, title bar included, sits in the middle of the screen (800 x 600, no panels).
frame_offset() {
  local x y w h l r t b
  x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$id" | awk '/Width:/ {print $2}')
  h=$(xwininfo -id "$id" | awk '/Height:/ {print $2}')
  IFS=, read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  [ -n "$t" ] || return 1
  echo "$(( (2 * (x - l) + w + l + r) / 2 - 400 )) $(( (2 * (y - t) + h + t + b) / 2 - 300 ))"
}
offset=""
for _ in $(seq 50); do
  offset="$(frame_offset || true)"
  read -r dx dy <<<"${offset:-9 9}"
  [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] && break
  sleep 0.2
done
[ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] || fail "the framed window is off the screen's centre by '$offset'"
xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_NORMAL || fail "not a normal top-level window"
echo "package: its frame is centred under a window manager"
[ -d "$player_home/.local/share/zandor" ] || fail "no per-user folder for the loss log in the player's home"
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true; game_pid=""
kill "$wm_pid"; wait "$wm_pid" 2>/dev/null || true; wm_pid=""
kill "$xvfb_pid"; wait "$xvfb_pid" 2>/dev/null || true; xvfb_pid=""

# And remove it again.
apt_get remove -y zandor
installed=""
[ ! -e "$program" ] || fail "$program left behind after removal"
! dpkg-query -W -f='${Status}' zandor 2>/dev/null | grep -q 'install ok installed' || fail "still installed"
echo "package: $(basename "$deb") built, installed, started and removed"
