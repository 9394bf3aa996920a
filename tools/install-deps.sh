#!/bin/sh
# Installs the Debian packages the build needs, and only the missing ones.
# Usage: install-deps.sh [extra packages...]
set -eu

packages="cmake make g++ pkg-config qt6-base-dev qt6-tools-dev qt6-tools-dev-tools \
qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins libgl-dev fonts-dejavu-core \
libicu-dev libcsv-dev libquazip1-qt6-dev $*"
# Spelling: the library and Debian's dictionaries for English (US), Russian and German.
packages="$packages libhunspell-dev hunspell-en-us hunspell-ru hunspell-de-de"
# The Debian package and its checks: CPack's DEB generator (dpkg-shlibdeps, file), the
# menu entry's and the AppStream file's validators.
packages="$packages dpkg-dev file desktop-file-utils appstream"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Neither root nor able to use sudo. As root, run:" >&2
        echo "  apt-get update && apt-get install -y --no-install-recommends$missing" >&2
        exit 1
    fi
    sudo="sudo"
fi
$sudo apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
