#!/bin/bash
# Installs the Debian packages that building, testing and running need (only what is missing).
# usage: scripts/deps.sh [--with-postgres] [--with-x11] [--with-printer]   needs root for apt-get
set -euo pipefail
pkgs=(cmake ninja-build ccache g++-mingw-w64-x86-64 googletest bc
      wine64 fonts-wine fonts-liberation
      unixodbc libsqliteodbc)
for a in "$@"; do
  case "$a" in
    --with-postgres) pkgs+=(postgresql odbc-postgresql) ;;
    --with-x11)      pkgs+=(xvfb x11-apps x11-utils imagemagick sqlite3) ;;
    --with-printer)  pkgs+=(cups printer-driver-cups-pdf) ;;
    *) echo "deps: unknown option $a" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "deps: missing packages: ${missing[*]}; run this as root (sudo) to install them" >&2
    exit 1
  fi
  echo "deps: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
