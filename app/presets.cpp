#include "app/presets.h"

#include "engine/ini_keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>

namespace {

// A preset file is a dozen lines; anything far larger is not one.
constexpr qint64 kLargestFile = 64 * 1024;

const QString kSettingsGroup = QStringLiteral("Instellingen");
const QString kLocksGroup = QStringLiteral("Vergrendeld");

void ToStandardError(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

} // namespace

QString PresetFilePath() {
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty()) {
        dirs = QStringLiteral("/etc/xdg");
    }
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // A relative entry is no folder of the system's (the XDG rules say to ignore it):
        // it would be read from wherever the program was started.
        if (QDir::isRelativePath(dir)) {
            continue;
        }
        const QString path = QDir(dir).filePath(QStringLiteral("quorvel/quorvel.conf"));
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return QString();
}

QString PupilPresetFilePath() {
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty() || QDir::isRelativePath(home)) {
        const QString user = qEnvironmentVariable("HOME");
        if (user.isEmpty() || QDir::isRelativePath(user)) {
            return QString();
        }
        home = QDir(user).filePath(QStringLiteral(".config"));
    }
    return QDir(home).filePath(QStringLiteral("quorvel/quorvel.conf"));
}

namespace {

using Say = std::function<void(const QString&)>;

// What one file sets: its values, its locks, and whether it has a [Vergrendeld] group.
struct FileEntries {
    Presets presets;
    bool hasLocks = false;
};

// Reads one preset file as the school's file is read; a file that cannot be read whole is
// told and gives nothing.
FileEntries ReadPresetFile(const QString& path, const Say& say) {
    FileEntries entries;
    Presets& presets = entries.presets;
    const auto refuseFile = [&](const char* why) {
        say(QStringLiteral("quorvel: %1: %2; de standaardwaarden gelden")
                .arg(path, QString::fromUtf8(why)));
        return FileEntries{};
    };
    const QFileInfo info(path);
    // A folder, a pipe or a device is no file to read: a pipe would keep the program
    // waiting before its window ever showed.
    if (!info.isFile()) {
        return refuseFile(info.isDir() ? "is een map, geen bestand" : "is geen gewoon bestand");
    }
    if (info.size() > kLargestFile) {
        return refuseFile("is groter dan 64 KiB");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refuseFile("kan niet gelezen worden");
    }
    const QByteArray text = file.read(kLargestFile + 1);
    if (text.size() > kLargestFile) {
        return refuseFile("is groter dan 64 KiB");
    }
    if (text.contains('\0')) {
        return refuseFile("is geen tekstbestand");
    }
    // QSettings keeps one value of a key given twice, silently: the file is read as it
    // reads it to find such keys.
    const std::map<std::string, int> counts =
        IniKeyCounts(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));

    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return refuseFile("is geen geldig INI-bestand");
    }
    const auto refuse = [&](const QString& key, const QString& why) {
        say(QStringLiteral("quorvel: %1: %2: %3; de standaardwaarde geldt").arg(path, key, why));
    };
    for (const QString& name : settings.allKeys()) {
        const qsizetype slash = name.indexOf(QLatin1Char('/'));
        const QString group = slash < 0 ? QString() : name.left(slash);
        const QString keyName = slash < 0 ? name : name.mid(slash + 1);
        if (group != kSettingsGroup && group != kLocksGroup) {
            refuse(name, QStringLiteral("onbekende groep"));
            continue;
        }
        entries.hasLocks = entries.hasLocks || group == kLocksGroup;
        const std::optional<PresetKey> key = PresetKeyNamed(keyName.toStdString());
        if (!key) {
            refuse(name, QStringLiteral("onbekende sleutel"));
            continue;
        }
        if (const auto count = counts.find(name.toStdString());
            count != counts.end() && count->second > 1) {
            refuse(name, QStringLiteral("staat er meer dan eens"));
            continue;
        }
        // A value with a comma reads as a list; no setting takes one.
        const QVariant value = settings.value(name);
        if (value.typeId() != QMetaType::QString) {
            refuse(name, QStringLiteral("is geen enkele waarde"));
            continue;
        }
        const std::string text = value.toString().toStdString();
        const auto index = static_cast<std::size_t>(*key);
        if (group == kLocksGroup) {
            const std::optional<bool> locked = ReadPresetFlag(text);
            if (!locked) {
                refuse(name, QStringLiteral("niet true of false"));
                continue;
            }
            presets.Locked[index] = *locked;
            continue;
        }
        const std::string why = RefusedSetting(*key, text);
        if (!why.empty()) {
            refuse(name, QStringLiteral("\"%1\" is %2")
                             .arg(QString::fromStdString(text), QString::fromStdString(why)));
            continue;
        }
        presets.Values[index] = PresetText(*key, text);
    }
    return entries;
}

} // namespace

Presets LoadPresets(const std::function<void(const QString&)>& complain) {
    const Say say = [&complain](const QString& line) {
        if (complain) {
            complain(line);
        } else {
            ToStandardError(line);
        }
    };
    const QString schoolPath = PresetFilePath();
    Presets presets = schoolPath.isEmpty() ? Presets{} : ReadPresetFile(schoolPath, say).presets;

    // The pupil's own file, where there is one and it is not the school's itself.
    const QString pupilPath = PupilPresetFilePath();
    const QFileInfo pupil(pupilPath);
    if (pupilPath.isEmpty() || !pupil.exists() ||
        (!schoolPath.isEmpty() &&
         pupil.canonicalFilePath() == QFileInfo(schoolPath).canonicalFilePath())) {
        return presets;
    }
    const FileEntries own = ReadPresetFile(pupilPath, say);
    if (own.hasLocks) {
        say(QStringLiteral("quorvel: %1: [%2] telt alleen in het bestand van de school; hier "
                           "telt het niet")
                .arg(pupilPath, kLocksGroup));
    }
    for (int k = 0; k < PresetKeyCount; ++k) {
        const auto key = static_cast<PresetKey>(k);
        const std::optional<std::string>& value = own.presets.Value(key);
        if (!value) {
            continue;
        }
        if (presets.IsLocked(key)) {
            const std::string_view name = PresetKeyName(key);
            say(QStringLiteral("quorvel: %1: %2/%3: de school heeft deze instelling vergrendeld; "
                               "de waarde van de school geldt")
                    .arg(pupilPath, kSettingsGroup,
                         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
            continue;
        }
        presets.Values[static_cast<std::size_t>(k)] = value;
    }
    return presets;
}
