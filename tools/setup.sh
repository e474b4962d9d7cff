#!/bin/sh
# Installs the Debian packages Kinotab needs, only those missing, without prompts.
# "setup.sh captures" also installs what tools/aide_captures.sh needs to remake
# the help page's pictures (a window manager, the accessibility bus, Chromium).
set -e
PACKAGES="build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev-tools qt6-qpa-plugins
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev ffmpeg
  libgsl-dev libmuparser-dev
  libgtest-dev googletest libbenchmark-dev fonts-liberation2
  librsvg2-bin desktop-file-utils appstream dpkg-dev shared-mime-info libxml2-utils groff-base
  xvfb xauth xdotool imagemagick x11-utils pulseaudio libssl-dev
  qt6-translations-l10n"
if [ "${1:-}" = captures ]; then
  PACKAGES="$PACKAGES openbox python3-pyatspi at-spi2-core dbus-x11 chromium"
fi
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi
