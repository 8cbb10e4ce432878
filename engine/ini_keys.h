// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <string_view>

// How often each key stands in an INI file, read as Qt's INI reader (QSettings) reads it:
// lines ended by LF, CR or CRLF, quoted parts, backslash escapes, comments from a ";",
// a group given again adding to the first, and keys and groups with their %XX, %UXXXX and
// backslash escapes undone. The names are "group/key" as QSettings lists them ("key" for
// the General group), in UTF-8. QSettings itself keeps one value of a key given twice and
// says nothing; this is how the program finds out.
std::map<std::string, int> IniKeyCounts(std::string_view text);

// A key or group name as written in the file, its escapes undone.
std::string UnescapedIniKey(std::string_view key);
