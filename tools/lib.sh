# Shared by the set-up commands: package installation and the build directory.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ROOT

# Runs a command as root: directly when we are root, else through sudo, which a minimal system may
# not have.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "This needs root, and there is no sudo: run as root: $*" >&2
    return 1
  fi
}

# Installs the Debian packages named in the given lists under tools/deps that are not there yet.
ensure_packages() {
  local missing=() pkg list
  for list in "$@"; do
    while read -r pkg; do
      [ -z "$pkg" ] && continue
      case "$pkg" in \#*) continue ;; esac
      dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done < "$ROOT/tools/deps/$list.txt"
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  # No questions when root runs unattended (CI); through sudo the command stays plain apt-get.
  [ "$(id -u)" -eq 0 ] && export DEBIAN_FRONTEND=noninteractive
  as_root apt-get -o DPkg::Lock::Timeout=600 update -qq
  as_root apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
}

# Run through sudo, the command goes on as the user who called it, so build/ stays theirs; an earlier
# run as root may have left build/ to root, which no later build as the user could then write.
build_as_user() {
  if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_UID:-}" ] && [ "${SUDO_UID}" != 0 ]; then
    local home
    home="$(getent passwd "$SUDO_UID" | cut -d: -f6)"
    exec setpriv --reuid="$SUDO_UID" --regid="$SUDO_GID" --init-groups \
      env HOME="${home:-$HOME}" USER="${SUDO_USER:-}" LOGNAME="${SUDO_USER:-}" "$0" "$@"
  fi
  if [ "$(id -u)" -ne 0 ] && [ -e "$ROOT/build" ] && [ -n "$(find "$ROOT/build" -maxdepth 2 ! -user "$(id -u)" -print -quit)" ]; then
    echo "build/ holds files of another user (left by a run as root?). Make it yours again:" >&2
    echo "  sudo chown -R $(id -un): $ROOT/build" >&2
    exit 1
  fi
}

# All package lists, in name order.
all_lists() {
  local f
  for f in "$ROOT"/tools/deps/*.txt; do basename "$f" .txt; done
}
