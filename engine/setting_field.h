// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The three numeric settings fields: the number of addends, the largest addend and the
// minutes of a timed series.
enum class SettingKind { Addends, LargestAddend, Minutes };

// One numeric settings field's rules, apart from the window: the field's text is the
// window's; this class decides what it becomes. It remembers two texts to fall back on
// when a text is refused: the previous value (what the field showed when the pupil last
// clicked into it; empty until then) and the last accepted one (the text the field was
// made with, then every accepted text it was entered or left with).
class SettingField {
public:
    SettingField(SettingKind kind, std::string initialText);

    SettingKind Kind() const { return kind_; }

    // Whether `text` is a value this field takes: a whole number (ReadInteger), and for
    // the number of addends one within MinAddends..MaxAddends. The text is judged as it
    // stands: blanks around it are refused (Leave and Confirm trim first).
    bool Accepts(std::string_view text) const;

    // A click into the field showing `shown`. Records `shown` as the previous value and
    // returns true: the window empties the field. The second click of a double click
    // (secondOfDouble) is part of the first: it records nothing and returns false, so the
    // previous value stays the text the field held before the double click. A later
    // single click records what was typed so far, an empty text included.
    bool Click(std::string_view shown, bool secondOfDouble = false);

    // Records a previous value without a click (entering MaxArtikels or MaxGetal records
    // the addends field's text as its previous value: the window calls this on the
    // addends field's SettingField for either field).
    void RecordPrevious(std::string_view text);

    // The field gained the focus showing `shown`: an accepted text is a settled value
    // (remembered as the last accepted one). The program may have set the field since it
    // was last left, so whatever it shows on entering counts.
    void Entered(std::string_view shown);

    struct Outcome {
        std::string Text; // what the field must show now
        bool NewExercise; // whether a new exercise (and series) is drawn
    };

    // The pupil leaves the field. The text is trimmed (TrimSettingText). A refused text
    // gives way to the previous value if that (trimmed) is accepted, else to the last
    // accepted one, and nothing is drawn; the text given back is not settled by this.
    // An accepted text is settled; the number of addends and the largest addend draw a
    // new exercise only when the text differs from the previous value (as recorded, not
    // trimmed); the minutes always do.
    //
    // Enter leaves the field too, as the exercise it draws takes the focus. Leave right
    // after Confirm changes none of the field's state, but its NewExercise may be true
    // (always for the minutes): the window ignores it there, as Enter draws one exercise.
    Outcome Leave(std::string_view shown);

    // Enter in the field: trimmed, a refused text restored as in Leave, then settled if
    // accepted. Enter always draws a new exercise and series, so the text is all the
    // window needs.
    std::string Confirm(std::string_view shown);

    // The value `shown` stands for in this field: the whole number of the trimmed text
    // when the field accepts it, nullopt otherwise. The field's own state plays no part;
    // the window passes the text Leave or Confirm gave back (the minutes decide whether
    // START is shown).
    std::optional<std::int32_t> Value(std::string_view shown) const;

    // The last accepted text: what the field stands for while the pupil is not changing
    // it (the minutes of a series, for one).
    const std::string& Settled() const { return lastAccepted_; }

private:
    // The text a refused one gives way to.
    std::string Fallback() const;
    void Settle(const std::string& text);

    SettingKind kind_;
    std::string previous_;
    std::string lastAccepted_;
};
