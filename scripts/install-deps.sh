#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run.
# Quick when everything is there; runs apt-get as root, otherwise prints the line to run.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libxerces-c-dev libssl-dev libical-dev
  qt6-base-dev qt6-svg-dev qt6-translations-l10n
  fontconfig fonts-ipafont-gothic
  ccache
  clang libclang-rt-dev lld
  xvfb
  bindfs
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get update && $line" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends ${missing[*]}
