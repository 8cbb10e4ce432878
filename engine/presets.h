#pragma once

#include "engine/carries.h"
#include "engine/ladder.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// What a school may set once for every lesson: a start value for each setting of the
// settings bar, and whether the pupil may change it. The values are judged as the window
// judges what a pupil types or ticks: a value counts only if a pupil could have entered it.

enum class PresetKey {
    Aantal,
    MaxGetal,
    TimerMinuten,
    Komma,
    Kasticket,
    Portemonnee,
    Hulpjes,
    Maximum100,
    // Beyond the settings bar: what the school asks of the exercises.
    Overdracht,  // the carry profile: zonder, met, dubbel or vrij
    Ladder,      // the pupil climbs the levels: true or false
    LadderStart, // the level the ladder starts at: 1 to LadderLevelCount
    // What a wrong check tells the pupil: where and why (true), or right and wrong alone.
    Uitleg,
};
inline constexpr int PresetKeyCount = 12;

// The key's name in the preset file, as the file spells it.
std::string_view PresetKeyName(PresetKey key);
std::optional<PresetKey> PresetKeyNamed(std::string_view name);
// The three numeric fields of the settings bar; its check boxes, Ladder and Uitleg take
// true or false, Overdracht and LadderStart a value of their own.
bool IsPresetField(PresetKey key);

struct Presets {
    // The text a field starts with, or "true"/"false" for a box; none: the default.
    std::array<std::optional<std::string>, PresetKeyCount> Values{};
    std::array<bool, PresetKeyCount> Locked{};

    const std::optional<std::string>& Value(PresetKey key) const {
        return Values[static_cast<std::size_t>(key)];
    }
    bool IsLocked(PresetKey key) const { return Locked[static_cast<std::size_t>(key)]; }
    // A box's mark, where the file sets it.
    std::optional<bool> Mark(PresetKey key) const;
};

// The ladder as the school set it: none unless Ladder is true. The start level is
// LadderStart (1 where it is not given), which the pupil keeps when LadderStart is locked;
// a locked number of addends, largest addend, decimals or carry profile is that part of
// every level (the value set, or the default).
std::optional<LadderSetup> LadderFromPresets(const Presets& presets);
// The carry profile the school asks for: Overdracht, or Free.
CarryProfile CarryProfileOf(const Presets& presets);

// Why a value of the settings is refused (empty when it counts), in the words the window
// writes on standard error. A field's text counts as the field would take it: within its
// length, a whole number, and for the number of addends within 2..12. A box takes `true`
// or `false`; Overdracht the name of a carry profile, LadderStart a level's number.
std::string RefusedSetting(PresetKey key, std::string_view text);
// The value as the window shows it: the field's text, or "true"/"false"; a profile's
// name in small letters, a level's number without blanks or sign.
std::string PresetText(PresetKey key, std::string_view text);

// A lock's value: `true` or `false`; nullopt for anything else.
std::optional<bool> ReadPresetFlag(std::string_view text);
