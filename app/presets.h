#pragma once

#include "engine/presets.h"

#include <QString>

#include <functional>

// The school's preset file: quorvel/quorvel.conf in the first folder of XDG_CONFIG_DIRS
// (default /etc/xdg) that holds one, relative entries ignored. Only the system's folders are read,
// never the user's own configuration, and nothing is ever written.
QString PresetFilePath();

// Reads the preset file. A file that is missing gives no presets; every entry that does
// not count (a value a pupil could not have entered, an unknown key or group, a key given
// twice) and every file that cannot be read whole (a folder, unreadable, too large, not
// text) is told to `complain` in one line naming the file, the key and why, and left to
// the default. The lines go to standard error unless another receiver is given.
Presets LoadPresets(const std::function<void(const QString&)>& complain = {});
