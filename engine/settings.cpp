#include "engine/settings.h"

#include <limits>

namespace {

bool IsBlankOrControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7f;
}

} // namespace

std::string TrimSettingText(std::string_view text) {
    // UTF-8 continuation and lead bytes are all above 0x7f, so trimming byte-wise never
    // cuts a character in two.
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlankOrControl(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

std::optional<std::int32_t> ReadInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Counted in the negative range, which reaches one further than the positive one.
    constexpr std::int64_t limit = -std::int64_t{std::numeric_limits<std::int32_t>::min()};
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    if (!negative && magnitude == limit) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool IsNotInteger(std::string_view text) {
    return !ReadInteger(text).has_value();
}
