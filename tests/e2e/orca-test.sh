#!/usr/bin/env bash
# The game as a blind player hears it: Orca, the screen reader, speaking
# through speech-dispatcher into a file instead of a sound card, in a
# session bus, an X server and a window manager of their own. Every setting
# lives in a folder of the test's own. Exits 77, which CTest counts as
# skipped, when a package is missing. TILIMI_ORCA_DEBUG=<file> keeps Orca's
# own log of every event it met.
set -u
here=$(cd "$(dirname "$0")" && pwd)
for tool in dbus-run-session orca speech-dispatcher; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (./test.sh installs it)"
        exit 77
    fi
done
if [ ! -x /usr/lib/speech-dispatcher-modules/sd_generic ] || [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
    echo "SKIP: speech-dispatcher's generic module or the AT-SPI bus is missing (./test.sh installs them)"
    exit 77
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config/speech-dispatcher/modules" "$home/run" "$home/orca" "$home/game"
chmod 700 "$home/run"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run \
    XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache LANG=C.UTF-8 LC_ALL=C.UTF-8
# No sound card: the generic module's audio goes to libao's null driver,
# each utterance to a line of speech.txt.
echo default_driver=null >"$home/.libao"
cat >"$home/config/speech-dispatcher/speechd.conf" <<END
LogLevel 2
LogDir "$home"
AudioOutputMethod "libao"
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
DefaultLanguage "ru"
END
cat >"$home/config/speech-dispatcher/modules/file.conf" <<END
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $home/speech.txt"
GenericLanguage "ru" "ru" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "ru" "MALE1" "ru"
AddVoice "en" "MALE1" "en"
END
# Orca as it comes, but for the echo of keys, which would mix the keys'
# names into what the game says.
cat >"$home/orca/user-settings.conf" <<END
{"general": {"enableKeyEcho": false, "enableEchoByCharacter": false, "enableEchoByWord": false,
             "enableBraille": false, "enableSpeech": true,
             "speechServerFactory": "orca.speechdispatcherfactory"},
 "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {}, "keybindings": {}}},
 "pronunciations": {}, "keybindings": {}}
END
cp "$1" "$home/game/tilimi"
exec dbus-run-session -- "$here/with-display.sh" /usr/bin/python3 "$here/tst_e2e_orca.py" "$home"
