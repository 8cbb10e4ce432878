#pragma once

#include "engine/presets.h"

#include <QString>

#include <functional>

// The school's preset file: quorvel/quorvel.conf in the first folder of XDG_CONFIG_DIRS
// (default /etc/xdg) that holds one, relative entries ignored. Nothing is ever written.
QString PresetFilePath();

// The pupil's own file, for parents at home who have no /etc: quorvel/quorvel.conf in
// XDG_CONFIG_HOME, or in ~/.config where that is unset, empty or not an absolute path (the
// XDG rules ignore a relative one); empty where there is no home to look in.
QString PupilPresetFilePath();

// Reads the school's file, then the pupil's own: its [Instellingen] count where the
// school's file does not lock the key, and a [Vergrendeld] group in it counts for nothing.
// A file that is missing gives no presets; every entry that does not count (a value a
// pupil could not have entered, an unknown key or group, a key given twice, a pupil's
// value of a locked setting, the pupil's locks) and every file that cannot be read whole
// (a folder, unreadable, too large, not text) is told to `complain` in one line naming
// the file, the key and why, and left to the default. The lines go to standard error
// unless another receiver is given.
Presets LoadPresets(const std::function<void(const QString&)>& complain = {});
