// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/setting_field.h"

#include "engine/settings.h"

#include <utility>

SettingField::SettingField(SettingKind kind, std::string initialText)
    : kind_(kind), lastAccepted_(std::move(initialText)) {}

bool SettingField::Accepts(std::string_view text) const {
    const std::optional<std::int32_t> value = ReadInteger(text);
    if (!value) {
        return false;
    }
    // Every whole number serves as a largest addend or a number of minutes; an exercise
    // has room for MinAddends to MaxAddends addends only.
    return kind_ != SettingKind::Addends || (*value >= MinAddends && *value <= MaxAddends);
}

bool SettingField::Click(std::string_view shown, bool secondOfDouble) {
    // The first click has emptied the field already; recording that empty text would
    // make the pupil's own value, typed again, look like a change.
    if (secondOfDouble) {
        return false;
    }
    previous_ = shown;
    return true;
}

void SettingField::RecordPrevious(std::string_view text) {
    previous_ = text;
}

void SettingField::Entered(std::string_view shown) {
    if (Accepts(shown)) {
        lastAccepted_ = shown;
    }
}

std::string SettingField::Fallback() const {
    // The previous value may be a half-typed text (a later click records what was typed
    // so far, an empty text included); the field must never be left with something no
    // draw can use.
    std::string previous = TrimSettingText(previous_);
    return Accepts(previous) ? previous : lastAccepted_;
}

void SettingField::Settle(const std::string& text) {
    if (Accepts(text)) {
        lastAccepted_ = text;
    }
}

SettingField::Outcome SettingField::Leave(std::string_view shown) {
    std::string text = TrimSettingText(shown);
    // Judged before the comparison below, as the previous value may itself be refused
    // (a number of addends out of range).
    if (!Accepts(text)) {
        return {Fallback(), false};
    }
    Settle(text);
    const bool changed = text != previous_;
    return {std::move(text), kind_ == SettingKind::Minutes || changed};
}

std::string SettingField::Confirm(std::string_view shown) {
    // Enter draws a new exercise whatever was typed, so a refused text must give way to
    // one a draw can use.
    std::string text = TrimSettingText(shown);
    if (!Accepts(text)) {
        text = Fallback();
    }
    Settle(text);
    return text;
}

std::optional<std::int32_t> SettingField::Value(std::string_view shown) const {
    const std::string text = TrimSettingText(shown);
    if (!Accepts(text)) {
        return std::nullopt;
    }
    return ReadInteger(text);
}
