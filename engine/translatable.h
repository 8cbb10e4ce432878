// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text of the engine that the window shows in the pupil's language (the shop's
// article names and units). Here it stays the plain Dutch text: the engine knows no Qt.
// Qt's lupdate reads the mark as QT_TRANSLATE_NOOP (translations/CMakeLists.txt passes it
// -tr-function-alias), so that the text is offered to translators under `context`, and the
// window looks it up there (QCoreApplication::translate) where it draws it.
#define QUORVEL_TRANSLATE_NOOP(context, text) text
