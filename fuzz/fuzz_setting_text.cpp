// TrimSettingText and ReadInteger against the rules they document, and every 32-bit value
// through its decimal text and back.

#include "engine/settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text, const std::string& detail) {
    std::fprintf(stderr, "%s\n  input: \"%.*s\"\n  %s\n", what, static_cast<int>(text.size()),
                 text.data(), detail.c_str());
    std::abort();
}

std::string Describe(std::optional<std::int32_t> value) {
    return value ? std::to_string(*value) : std::string("nullopt");
}

bool Trimmed(unsigned char c) {
    return c <= 0x20 || c == 0x7f;
}

// The documented whole number, judged on the digit string: optional sign, one or more
// digits, within -2147483648 ... 2147483647.
std::optional<std::int32_t> Reference(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t first = text.find_first_not_of('0');
    const std::string_view significant =
        first == std::string_view::npos ? std::string_view() : text.substr(first);
    const std::string_view limit = negative ? "2147483648" : "2147483647";
    if (significant.size() > limit.size() ||
        (significant.size() == limit.size() && significant > limit)) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (char c : significant) {
        magnitude = magnitude * 10 + (c - '0');
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::string trimmed = TrimSettingText(text);
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && Trimmed(static_cast<unsigned char>(text[begin]))) {
        ++begin;
    }
    while (end > begin && Trimmed(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    if (trimmed != text.substr(begin, end - begin)) {
        Fail("TrimSettingText differs from the reference", text, "got \"" + trimmed + "\"");
    }

    for (std::string_view candidate : {text, std::string_view(trimmed)}) {
        const std::optional<std::int32_t> got = ReadInteger(candidate);
        const std::optional<std::int32_t> expected = Reference(candidate);
        if (got != expected) {
            Fail("ReadInteger differs from the reference", candidate,
                 "expected " + Describe(expected) + ", got " + Describe(got));
        }
        if (IsNotInteger(candidate) != !got.has_value()) {
            Fail("IsNotInteger disagrees with ReadInteger", candidate, Describe(got));
        }
    }

    if (size >= sizeof(std::int32_t)) {
        std::int32_t raw;
        std::memcpy(&raw, data, sizeof raw);
        const std::string written = std::to_string(raw);
        if (ReadInteger(written) != raw) {
            Fail("decimal text does not read back", written, Describe(ReadInteger(written)));
        }
    }
    return 0;
}
