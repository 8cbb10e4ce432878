#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The numeric settings fields hold their values as typed text. These helpers judge such
// a text; the fields' rules are SettingField's (setting_field.h).

// The fewest and most addends an exercise can have: it has twelve lines.
inline constexpr int MinAddends = 2;
inline constexpr int MaxAddends = 12;

// The text without the spaces and control characters (code 0 to 32, and 127) at either
// end. Characters outside ASCII are kept, so such a text stays no whole number.
std::string TrimSettingText(std::string_view text);

// The value of a whole number written as decimal digits with an optional leading "+"
// or "-" and nothing else (no blanks), within the 32-bit signed range; nullopt for any
// other text, the empty one included.
std::optional<std::int32_t> ReadInteger(std::string_view text);

// True when the text is no whole number in the sense of ReadInteger.
bool IsNotInteger(std::string_view text);
