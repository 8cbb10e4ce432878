#include "engine/presets.h"

#include "engine/setting_field.h"
#include "engine/settings.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::array<std::string_view, PresetKeyCount> kNames{
    "Aantal",  "MaxGetal",   "TimerMinuten", "Komma",  "Kasticket",   "Portemonnee",
    "Hulpjes", "Maximum100", "Overdracht",   "Ladder", "LadderStart", "Uitleg"};

// A level's number, 1..LadderLevelCount.
std::optional<int> LevelNumber(std::string_view text) {
    const std::optional<std::int32_t> n = ReadInteger(TrimSettingText(text));
    if (!n || *n < 1 || *n > LadderLevelCount) {
        return std::nullopt;
    }
    return *n;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Whether `text` is a whole number, written in digits alone, from `least` to `most`.
bool WholeNumberIn(std::string_view text, long least, long most) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const long value = std::stol(std::string(text));
    return value >= least && value <= most;
}

} // namespace

std::string_view PresetKeyName(PresetKey key) {
    return kNames[static_cast<std::size_t>(key)];
}

std::optional<PresetKey> PresetKeyNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) {
            return static_cast<PresetKey>(i);
        }
    }
    return std::nullopt;
}

bool IsPresetField(PresetKey key) {
    return key == PresetKey::Aantal || key == PresetKey::MaxGetal || key == PresetKey::TimerMinuten;
}

std::optional<bool> ReadPresetFlag(std::string_view text) {
    const std::string lower = Lower(TrimSettingText(text));
    if (lower == "true") {
        return true;
    }
    if (lower == "false") {
        return false;
    }
    return std::nullopt;
}

std::optional<bool> Presets::Mark(PresetKey key) const {
    const std::optional<std::string>& value = Value(key);
    return value ? ReadPresetFlag(*value) : std::nullopt;
}

std::string RefusedSetting(PresetKey key, std::string_view text) {
    if (key == PresetKey::Overdracht) {
        return CarryProfileNamed(text) ? std::string() : "niet zonder, met, dubbel of vrij";
    }
    if (key == PresetKey::LadderStart) {
        return LevelNumber(text) ? std::string()
                                 : "geen niveau van 1 tot " + std::to_string(LadderLevelCount);
    }
    if (!IsPresetField(key)) {
        return ReadPresetFlag(text) ? std::string() : "niet true of false";
    }
    // What a pupil can type into each field, within the ranges a school is told: a
    // pupil may type 0 or less as the largest number (drawn as 1), a school may not.
    const std::string trimmed = TrimSettingText(text);
    switch (key) {
    case PresetKey::Aantal:
        return trimmed.size() <= 2 && SettingField(SettingKind::Addends, {}).Accepts(trimmed)
                   ? std::string()
                   : "geen aantal van 2 tot 12";
    case PresetKey::MaxGetal:
        return trimmed.size() <= 6 &&
                       SettingField(SettingKind::LargestAddend, {}).Accepts(trimmed) &&
                       WholeNumberIn(trimmed, 1, 999999)
                   ? std::string()
                   : "geen geheel getal van 1 tot 999999";
    default:
        return trimmed.size() <= 3 && SettingField(SettingKind::Minutes, {}).Accepts(trimmed) &&
                       WholeNumberIn(trimmed, 0, 999)
                   ? std::string()
                   : "geen geheel getal van 0 tot 999";
    }
}

std::string PresetText(PresetKey key, std::string_view text) {
    if (key == PresetKey::Overdracht) {
        return std::string(CarryProfileName(*CarryProfileNamed(text)));
    }
    if (key == PresetKey::LadderStart) {
        return std::to_string(*LevelNumber(text));
    }
    if (IsPresetField(key)) {
        return TrimSettingText(text);
    }
    return *ReadPresetFlag(text) ? "true" : "false";
}

CarryProfile CarryProfileOf(const Presets& presets) {
    const std::optional<std::string>& value = presets.Value(PresetKey::Overdracht);
    return value ? CarryProfileNamed(*value).value_or(CarryProfile::Free) : CarryProfile::Free;
}

std::optional<LadderSetup> LadderFromPresets(const Presets& presets) {
    if (!presets.Mark(PresetKey::Ladder).value_or(false)) {
        return std::nullopt;
    }
    LadderSetup setup;
    if (const std::optional<std::string>& start = presets.Value(PresetKey::LadderStart)) {
        setup.Start = LevelNumber(*start).value_or(1);
    }
    setup.Fixed = presets.IsLocked(PresetKey::LadderStart);
    // A locked setting keeps the value set, or the window's default.
    const auto number = [&](PresetKey key, int fallback) {
        const std::optional<std::string>& value = presets.Value(key);
        return value ? ReadInteger(*value).value_or(fallback) : fallback;
    };
    if (presets.IsLocked(PresetKey::Aantal)) {
        setup.Pins.Addends = number(PresetKey::Aantal, 2);
    }
    if (presets.IsLocked(PresetKey::MaxGetal)) {
        setup.Pins.MaxValue = number(PresetKey::MaxGetal, 100);
    }
    if (presets.IsLocked(PresetKey::Komma)) {
        setup.Pins.Decimal = presets.Mark(PresetKey::Komma).value_or(false);
    }
    if (presets.IsLocked(PresetKey::Overdracht)) {
        setup.Pins.Carries = CarryProfileOf(presets);
    }
    return setup;
}
