#!/usr/bin/env bash
# install-deps.sh - installs the Debian 12 packages the project builds and
# tests with.  Packages already present are not fetched again; run as root
# (or with sudo available).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config binutils
  libsqlite3-dev sqlite3
  mdbtools mdbtools-dev libglib2.0-dev
  libcli11-dev nlohmann-json3-dev
  libgtest-dev
  clang libclang-rt-dev
  time
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

run_as_root=()
if [[ $(id -u) -ne 0 ]]; then
  run_as_root=(sudo)
fi
echo "installing: ${missing[*]}" >&2
"${run_as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${run_as_root[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
