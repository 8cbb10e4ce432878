// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace language {

namespace {

// Where the program's translations are compiled in: quorvel_fr.qm, quorvel_de.qm.
QString ProgramTranslation(const QString& code) {
    return QStringLiteral(":/i18n/quorvel_") + code + QStringLiteral(".qm");
}

} // namespace

QString Choose(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        switch (QLocale(name).language()) {
        case QLocale::Dutch:
            return {};
        case QLocale::French:
            return QStringLiteral("fr");
        case QLocale::German:
            return QStringLiteral("de");
        default:
            // C, POSIX and every other language: the next one the user named.
            break;
        }
    }
    return {};
}

QString SystemChoice() {
    return Choose(QLocale::system().uiLanguages());
}

void InstallTranslations() {
    const QString code = SystemChoice();
    if (code.isEmpty()) {
        return;
    }
    auto* program = new QTranslator(QCoreApplication::instance());
    if (program->load(ProgramTranslation(code))) {
        QCoreApplication::installTranslator(program);
    }
    // Qt's own texts come with Qt's translations package, where it is installed.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
}

QString TranslateWithoutApplication(const char* context, const char* text) {
    const QString code = SystemChoice();
    QTranslator translator;
    if (!code.isEmpty() && translator.load(ProgramTranslation(code))) {
        const QString translated = translator.translate(context, text);
        if (!translated.isEmpty()) {
            return translated;
        }
    }
    return QString::fromUtf8(text);
}

} // namespace language
