# Shared by the set-up commands: package installation and the build directory.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ROOT

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
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
  $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
}

# All package lists, in name order.
all_lists() {
  local f
  for f in "$ROOT"/tools/deps/*.txt; do basename "$f" .txt; done
}
