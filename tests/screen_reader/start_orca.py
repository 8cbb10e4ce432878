#!/usr/bin/python3
"""Starts Orca as /usr/bin/orca does, with what it says written to a file as it says it.

Every utterance is written to ORCA_SPEECH_LOG at once, so that nothing is lost when Orca
is ended. ORCA_SSIP_LOG, when set, gets what Orca hands speech-dispatcher. ORCA_DEBUG_LOG,
when set, gets Orca's debug output line by line (its --debug-file loses the tail). Orca's
preferences are read from ORCA_PREFS, a folder of the test's own.

Unlike /usr/bin/orca this does not look for other Orcas of the same user: it runs on a
bus of its own, and never ends another Orca (--replace would end every one on the
machine).

Orca changed its inner names between the releases of Debian 12 (Orca 43) and Debian 13
(Orca 48); both are started here:
- the settings manager: orca.settings_manager.getManager() and its getPrefsDir() in 43,
  get_manager() and get_prefs_dir() in 48;
- what it says: 43 hands every "SPEECH OUTPUT: '...'" line to its "speech" logger, whose
  only handler writes into memory; 48 has no such logger and hands those lines only to
  its debug output (orca.debug.print_message, and print_tokens for a single character),
  which drops them unless the debug level is raised for everything. There they are
  tapped on their way in, whatever the debug level.
"""

import logging
import os
import sys

from orca import debug
from orca.orca_platform import version

SPEECH_LOG = open(os.environ["ORCA_SPEECH_LOG"], "a", encoding="utf-8")
SPOKEN = "SPEECH OUTPUT: '"


def write_utterance(line):
    # An utterance may span lines (a help text does); each record ends with a record
    # separator.
    SPEECH_LOG.write(f"{line}\x1e")
    SPEECH_LOG.flush()


class SpeechHandler(logging.Handler):
    def emit(self, record):
        write_utterance(record.getMessage())


def tap(function, first_text):
    def tapped(level, what, *args, **kwargs):
        text = first_text(what)
        if isinstance(text, str) and text.startswith(SPOKEN):
            write_utterance(text)
        return function(level, what, *args, **kwargs)

    return tapped


# Each as its own /usr/bin/orca does it, modules loaded in the same order (48's import each
# other in a circle that only that order gets through): 43 loads Orca's main module before
# the settings, 48 after them.
if int(version.split(".")[0]) >= 48:
    from orca import debugging_tools_manager, messages, settings, script_manager  # noqa: F401
    from orca import settings_manager

    manager = settings_manager.get_manager()
    prefs_dir = manager.get_prefs_dir
    debug.print_message = tap(debug.print_message, lambda text: text)
    debug.print_tokens = tap(debug.print_tokens, lambda tokens: tokens[0] if tokens else None)
else:
    from orca import orca
    from orca import settings_manager

    manager = settings_manager.getManager()
    prefs_dir = manager.getPrefsDir
    logging.getLogger("speech").addHandler(SpeechHandler())

# ORCA_SSIP_LOG, when set, gets every text Orca hands speech-dispatcher, as it hands it
# (SSML, after Orca's own changes: punctuation, pronunciations, no-break spaces made
# plain), after the language speech-dispatcher speaks it in and a tab.
if os.environ.get("ORCA_SSIP_LOG"):
    import speechd

    ssip_log = open(os.environ["ORCA_SSIP_LOG"], "a", encoding="utf-8")
    ssip_speak = speechd.SSIPClient.speak

    def speak_logged(client, text, *args, **kwargs):
        ssip_log.write(f"{client.get_language()}\t{text}\x1e")
        ssip_log.flush()
        return ssip_speak(client, text, *args, **kwargs)

    speechd.SSIPClient.speak = speak_logged

if os.environ.get("ORCA_DEBUG_LOG"):
    debug.debugLevel = debug.LEVEL_ALL
    debug.eventDebugLevel = debug.LEVEL_OFF
    debug.debugFile = open(os.environ["ORCA_DEBUG_LOG"], "w", buffering=1, encoding="utf-8")

manager.activate(os.environ["ORCA_PREFS"], {})
sys.path.insert(0, prefs_dir())
from orca import orca  # noqa: E402 (48: only once the settings are in)

sys.exit(orca.main())
