#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

// A quorvel/quorvel.conf with the given bytes in a private folder that an XDG variable
// points at for as long as it lives; the variable gets its old value back at the end.
class ConfigFolder {
public:
    ConfigFolder(const ConfigFolder&) = delete;
    ConfigFolder& operator=(const ConfigFolder&) = delete;
    ~ConfigFolder() { qputenv(variable_, previous_); }
    QString Path() const { return dir_.filePath(QStringLiteral("quorvel/quorvel.conf")); }
    QString Folder() const { return dir_.path(); }

protected:
    // `after`: what the variable holds after the folder.
    ConfigFolder(const char* variable, const QByteArray& contents, const QByteArray& after)
        : variable_(variable), previous_(qgetenv(variable)) {
        QDir(dir_.path()).mkpath(QStringLiteral("quorvel"));
        QFile file(Path());
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()) {
            qFatal("cannot write %s", qPrintable(Path()));
        }
        file.close();
        qputenv(variable_, dir_.path().toUtf8() + after);
    }

private:
    const char* variable_;
    QByteArray previous_;
    QTemporaryDir dir_;
};

// The school's file, in XDG_CONFIG_DIRS; a second folder after it, as only the first file
// found counts.
class PresetFolder : public ConfigFolder {
public:
    explicit PresetFolder(const QByteArray& contents)
        : ConfigFolder("XDG_CONFIG_DIRS", contents, ":/nonexistent") {}
};

// The pupil's own file, in XDG_CONFIG_HOME.
class PupilFolder : public ConfigFolder {
public:
    explicit PupilFolder(const QByteArray& contents)
        : ConfigFolder("XDG_CONFIG_HOME", contents, QByteArray()) {}
};
