// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ini_keys.h"

#include <cstdint>
#include <optional>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (IsSpace(s.front()) || s.front() == '\v' || s.front() == '\f')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (IsSpace(s.back()) || s.back() == '\v' || s.back() == '\f')) {
        s.remove_suffix(1);
    }
    return s;
}

std::optional<std::uint32_t> Hex(std::string_view digits) {
    std::uint32_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The next line from `pos`: where it starts, how long it is and where its first "=" is
// (npos: none). A line ends at an unquoted LF or CR, or before an unquoted ";" that does
// not open it; a ";" that opens it makes the rest of it a comment, skipped.
struct Line {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t equals = std::string_view::npos;
};

bool NextLine(std::string_view data, std::size_t& pos, Line& line) {
    const std::size_t size = data.size();
    bool inQuotes = false;
    line.equals = std::string_view::npos;
    line.start = pos;
    while (line.start < size && IsSpace(data[line.start])) {
        ++line.start;
    }
    std::size_t i = line.start;
    while (i < size) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && line.equals == std::string_view::npos) {
                line.equals = i - 1;
            }
        } else if (c == '\n' || c == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            // The next character is taken as it is, a line end too (LF CR or CR LF whole).
            if (i < size) {
                const char next = data[i++];
                if (i < size &&
                    ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n'))) {
                    ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == line.start + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r') {
                    ++i;
                }
                while (i < size && IsSpace(data[i])) {
                    ++i;
                }
                line.start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}

} // namespace

std::string UnescapedIniKey(std::string_view key) {
    std::string out;
    std::size_t i = 0;
    while (i < key.size()) {
        const char c = key[i];
        if (c == '\\') {
            out += '/';
            ++i;
            continue;
        }
        if (c != '%' || i == key.size() - 1) {
            out += c;
            ++i;
            continue;
        }
        std::size_t digits = 2;
        std::size_t first = i + 1;
        if (key[first] == 'U') {
            ++first;
            digits = 4;
        }
        const std::optional<std::uint32_t> code =
            first + digits <= key.size() ? Hex(key.substr(first, digits)) : std::nullopt;
        if (!code) {
            out += '%';
            ++i;
            continue;
        }
        AppendUtf8(out, *code);
        i = first + digits;
    }
    return out;
}

std::map<std::string, int> IniKeyCounts(std::string_view text) {
    std::map<std::string, int> counts;
    if (text.substr(0, 3) == "\xef\xbb\xbf") {
        text.remove_prefix(3);
    }
    std::string group; // "" for General, else "name/"
    std::size_t pos = 0;
    Line line;
    while (NextLine(text, pos, line)) {
        const std::string_view content = text.substr(line.start, line.length);
        if (content.front() == '[') {
            std::size_t close = content.find(']');
            if (close == std::string_view::npos) {
                close = content.size();
            }
            const std::string_view name = Trimmed(content.substr(1, close - 1));
            std::string lower(name);
            for (char& c : lower) {
                c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            }
            if (lower == "general") {
                group.clear();
            } else if (lower == "%general") {
                group = std::string(name.substr(1)) + "/";
            } else {
                group = UnescapedIniKey(name) + "/";
            }
            continue;
        }
        if (line.equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trimmed(content.substr(0, line.equals - line.start));
        ++counts[group + UnescapedIniKey(key)];
    }
    return counts;
}
