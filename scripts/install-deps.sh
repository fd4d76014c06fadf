#!/bin/sh
# Installs the Debian packages the build needs, only those that are missing.
set -eu
PACKAGES="libicu-dev libzip-dev pkg-config cmake ninja-build make g++ clang \
libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev python3"
missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# shellcheck disable=SC2086
$SUDO apt-get install -y --no-install-recommends $missing
