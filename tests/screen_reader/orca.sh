#!/bin/bash
# Runs a lesson heard through a real screen reader: Orca with speech-dispatcher and
# espeak-ng, in Dutch or the language asked for, on an Xvfb display with a window manager and a private session
# bus, all in a home of the test's own. Everything it starts ends with it.
# Usage: orca.sh <quorvel> <quorvel-a11y-map> [language]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=$1
map_tool=$2
language=${3:-nl}
python=/usr/bin/python3

fail() {
    echo "screen reader (Orca): $*" >&2
    exit 1
}
for tool in Xvfb openbox dbus-run-session /usr/libexec/at-spi-bus-launcher speech-dispatcher \
    espeak-ng xdotool localedef "$python"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/deps.sh installs it)"
done
"$python" -c 'import pyatspi, orca' 2>/dev/null ||
    fail "pyatspi or Orca is missing (tools/deps.sh installs python3-pyatspi and orca)"

# shellcheck source=../support/session.sh
. "$here/../support/session.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-orca.XXXXXX")
xvfb_pid=""
check_pid=""
cleanup() {
    stop_group "$check_pid"
    stop_process "$xvfb_pid"
    if [ -n "${QUORVEL_KEEP_ORCA_LOGS:-}" ]; then
        echo "logs kept in $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A home of the test's own: Orca's and speech-dispatcher's settings, and no sound card.
# espeak-ng renders into ALSA's null device; without a device that opens,
# speech-dispatcher holds Orca on its first utterance.
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$work/orca"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
cat >"$HOME/.asoundrc" <<'ASOUND'
pcm.!default { type null }
ctl.!default { type hw card 0 }
ASOUND
case "$language" in
fr) locale=fr_BE ;;
de) locale=de_BE ;;
*) locale=nl_BE ;;
esac
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<SPEECHD
AudioOutputMethod "alsa"
DefaultModule espeak-ng
DefaultLanguage "$language"
LogLevel 3
LogDir "$work"
SPEECHD
# The pupil's own preset file: the Dutch lesson is heard with Uitleg (where a wrong sum went
# wrong, and "show me" by its key).
if [ "$language" = nl ]; then
    mkdir -p "$XDG_CONFIG_HOME/quorvel"
    printf '[Instellingen]\nUitleg=true\n' >"$XDG_CONFIG_HOME/quorvel/quorvel.conf"
fi

# The pupil's language, without touching the system's locales: one compiled into a
# folder of the test's own. Orca speaks its own words (roles, states) in it.
mkdir "$work/locale"
localedef -i "$locale" -f UTF-8 "$work/locale/$locale.UTF-8" >/dev/null 2>&1 ||
    [ -d "$work/locale/$locale.UTF-8" ] || fail "localedef could not make $locale.UTF-8"
export LOCPATH="$work/locale" LANG="$locale.UTF-8" LANGUAGE="$language"
unset LC_ALL LC_MESSAGES

QT_QPA_PLATFORM=offscreen "$map_tool" >"$work/map.tsv" || fail "quorvel-a11y-map failed"

start_xvfb "$work" 1280x1024 || fail "no X server"

unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS NO_AT_BRIDGE QT_QPA_PLATFORM
setsid timeout --kill-after=5 "${QUORVEL_ORCA_TIMEOUT:-420}" dbus-run-session -- \
    "$python" -B "$here/orca_lesson.py" --program "$program" --map "$work/map.tsv" \
    --work "$work" --language "$language" &
check_pid=$!
status=0
wait "$check_pid" || status=$?
check_pid=""
exit "$status"
