#!/usr/bin/python3
"""Starts Orca as /usr/bin/orca does, with what it says written to a file as it says it.

Orca keeps what it speaks in its own "speech" logger, whose only handler writes into
memory; a second handler here writes every utterance to ORCA_SPEECH_LOG at once, so that
nothing is lost when Orca is ended. ORCA_SSIP_LOG, when set, gets what Orca hands
speech-dispatcher. ORCA_DEBUG_LOG, when set, gets Orca's debug output
line by line (its --debug-file loses the tail). Orca's preferences are read from
ORCA_PREFS, a folder of the test's own.

Unlike /usr/bin/orca this does not look for other Orcas of the same user: it runs on a
bus of its own, and never ends another Orca (--replace would end every one on the
machine).
"""

import logging
import os
import sys

from orca import debug
from orca import orca

# An utterance may span lines (a help text does); each record ends with a record
# separator.
handler = logging.FileHandler(os.environ["ORCA_SPEECH_LOG"], encoding="utf-8")
handler.setFormatter(logging.Formatter("%(message)s\x1e"))
logging.getLogger("speech").addHandler(handler)

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

manager = orca.getSettingsManager()
manager.activate(os.environ["ORCA_PREFS"], {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
