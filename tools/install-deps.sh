#!/usr/bin/env bash
# Installs what building and testing the package needs on Debian 12 or a
# similar Debian/Ubuntu release.  Run as root (or it re-runs itself with sudo).
set -euo pipefail
packages=(make g++ octave liboctave-dev libboost-dev libboost-date-time-dev
          libboost-chrono-dev texinfo ccache)
if [ "$(id -u)" != 0 ]; then exec sudo "$0" "$@"; fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
