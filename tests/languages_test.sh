#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The language follows the system as Qt reads it (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG):
# French and German get their translation, every other choice the design's Dutch, byte for
# byte as with no language set at all. Compares the four seeded pictures of the real window
# drawn offscreen under each choice.
# usage: languages_test.sh <quorvel-screenshots>
set -eu
tool=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-languages.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI

# shoot <name> [VAR=value...]: the pictures into $work/<name>, with only the given language
# variables set.
shoot() {
    name=$1
    shift
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" "$tool" "$work/$name" --seed 7 \
        >"$work/$name.log" 2>&1 || { cat "$work/$name.log" >&2; fail "quorvel-screenshots ($*)"; }
}
# same <name> <reference>: every picture of the one byte for byte as of the other.
same() {
    for picture in "$work/$2"/*.png; do
        cmp -s "$picture" "$work/$1/$(basename "$picture")" ||
            fail "$1: $(basename "$picture") differs from $2"
    done
}

shoot none
set -- "$work/none"/*.png
[ "$#" -eq 4 ] || fail "not four pictures: $*"
shoot C LANG=C
shoot POSIX LC_ALL=POSIX LANGUAGE=
shoot es LANGUAGE=es
shoot es-locale LANG=es_ES.UTF-8
shoot nl-before-fr LANGUAGE=nl:fr
shoot nl-messages LC_MESSAGES=nl_BE.UTF-8 LANG=fr_BE.UTF-8
for name in C POSIX es es-locale nl-before-fr nl-messages; do
    same "$name" none
done

shoot fr LANGUAGE=fr
shoot fr-messages LC_MESSAGES=fr_BE.UTF-8
shoot fr-all LC_ALL=fr_BE.UTF-8 LANG=de_BE.UTF-8
same fr-messages fr
same fr-all fr
shoot de LANG=de_BE.UTF-8
shoot de-after-es LANGUAGE=es:de LANG=fr_BE.UTF-8
same de-after-es de
# The translations change what every picture shows.
for language in fr de; do
    for picture in "$work/none"/*.png; do
        ! cmp -s "$picture" "$work/$language/$(basename "$picture")" ||
            fail "$language: $(basename "$picture") is the Dutch one"
    done
done
! cmp -s "$work/fr/start.png" "$work/de/start.png" || fail "French and German look alike"
echo "Dutch unless French or German is asked for, as Qt reads the system's language"
