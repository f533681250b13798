#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages that are
# missing, configures build/ once and builds it. Fast when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-qpa-plugins
    libjpeg62-turbo-dev
    libgstreamer1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-tools
    # The music's output on desktops with PulseAudio or PipeWire's Pulse server.
    gstreamer1.0-pulseaudio
    fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n
    # The game's window on a Wayland desktop, natively rather than through XWayland.
    qt6-wayland
    # What builds the catalogues of texts in other languages (lrelease, lupdate
    # and their CMake functions).
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
)
if [ "${TILIMI_TEST_PACKAGES:-0}" = 1 ]; then
    # What the end-to-end tests drive the real window with.
    packages+=(xvfb xauth openbox wmctrl xdotool imagemagick x11-utils)
    # The fuzz target and its runtime.
    packages+=(clang libclang-rt-14-dev)
    # The install test's validators, and what makes and checks the package.
    packages+=(desktop-file-utils appstream dpkg-dev lintian)
    # The Wayland test's compositor, drawn into the test's Xvfb.
    packages+=(weston)
    # What a screen reader reads: a session bus, the accessibility bus and a
    # real client of it.
    packages+=(dbus-daemon at-spi2-core python3-pyatspi python3-gi)
    # The screen reader a blind player hears the game with, speaking through
    # speech-dispatcher's generic module into a file; libao for its silent
    # output.
    packages+=(orca speech-dispatcher python3-speechd libao4)
    # The sound server the music test starts itself, and its recorder.
    packages+=(pulseaudio pulseaudio-utils)
    # The session manager the session test builds on libSM, as xsm is.
    packages+=(libsm-dev libice-dev)
    # The window managers the placement test runs under, the keyboard
    # layouts of the access key test, and the second Wayland compositor.
    packages+=(xfwm4 metacity fluxbox x11-xkb-utils sway)
    # What bench/run.sh counts a repaint's instructions with.
    packages+=(valgrind)
    # The check of the catalogues, and the English desktop the English test
    # starts the game on.
    packages+=(python3 locales)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The English test's desktop locale: the game must stay Russian on it until
# told otherwise.
if [ "${TILIMI_TEST_PACKAGES:-0}" = 1 ] && ! locale -a 2>/dev/null | grep -qix 'en_US.utf-\?8'; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" localedef -i en_US -c -f UTF-8 -A /usr/share/locale/locale.alias en_US.UTF-8
fi

# Configuring through the preset every time also mends a build/ configured
# by hand or by an older version of this script.
cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)"
