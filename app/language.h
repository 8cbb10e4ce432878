// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The window speaks the design's Dutch, and French or German where the user's languages
// ask for one of them, as desktop programs do: the translations are compiled in from
// translations/ (Qt's .qm files, under ":/i18n"); Dutch, the language the texts are written
// in, needs none.
namespace language {

// The code ("fr", "de") of the translation for the first language of `uiLanguages` (most
// wanted first, as QLocale::uiLanguages gives them from LANGUAGE, LC_ALL, LC_MESSAGES or
// LANG) that the window speaks; empty for Dutch, and where none of them is spoken.
QString Choose(const QStringList& uiLanguages);

// The system's choice: Choose on the system locale's languages.
QString SystemChoice();

// Installs the program's translation and Qt's own (a message's buttons, the edit fields'
// menu) for the system's language on the application, which must exist; before the window
// is made, since the panels read their texts once. Dutch installs nothing: the window stays
// as it was designed.
void InstallTranslations();

// A text of the program in the system's language where there is no application to ask (the
// line said when there is no display). `text` must be marked for lupdate where it stands.
QString TranslateWithoutApplication(const char* context, const char* text);

} // namespace language
