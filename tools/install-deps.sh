#!/bin/sh
# Installs with apt-get the Debian 12 packages that building, running and
# testing need, when any is missing. Uses sudo when not run as root.
set -e
PACKAGES="build-essential cmake qt6-base-dev libgl-dev libfbclient2 firebird-dev \
firebird3.0-server-core firebird3.0-utils fonts-dejavu-core poppler-utils xdg-utils \
xvfb xauth qt6-translations-l10n"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Instalando paquetes:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
