#!/bin/sh
# Set-up on a bare Debian 12: installs make when it is missing, then lets the Makefile install
# the rest and build.   ./calevrin.sh run | test | bench | package
set -eu
cd "$(dirname "$0")"

cible=${1:-run}
case "$cible" in
  run | test | bench | lint | package) ;;
  *)
    echo "Usage : $0 run | test | bench | lint | package" >&2
    exit 2
    ;;
esac

if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
else
  echo "Il faut être root, ou avoir sudo, pour installer les paquets manquants." >&2
  exit 1
fi

if ! command -v make >/dev/null 2>&1; then
  echo "Installation de make"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends make
fi

exec make "$cible"
