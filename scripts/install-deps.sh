#!/usr/bin/env bash
# Installs what building, testing and running the suite needs on Debian 12.
# Idempotent: asks apt-get only for packages that are not installed yet.
# Packages named as arguments are installed as well (`make tidy` adds clang-tidy).
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  qt6-translations-l10n
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fontconfig
  xvfb xauth x11-utils
  qt6-pdf-dev libqpdf-dev qpdf poppler-utils librsvg2-bin
  desktop-file-utils libxml2-utils shared-mime-info libxcb1-dev
  ccache clang-format
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
