#pragma once
// Puts a language file on the window: the vocabulary lines go into the
// window's catalogue (so the monitor, the jobs and the pages use the new
// words), the caption lines onto the controls they name. Controls are found
// here, in one place, by the object names the language file's positions
// stand for; a name the window does not have is skipped and its line still
// consumed.

#include <QString>

#include "config/language_file.h"

namespace krx {

class ConfiguratorWindow;

// Reads "lng.txt" in `directory` and applies it when it is a valid language
// file; true when it was applied. Any other file, or none, changes nothing.
bool ApplyLanguageFileFrom(ConfiguratorWindow& window, const QString& directory);

// Applies the lines of a valid language file.
void ApplyLanguageLines(ConfiguratorWindow& window, const LanguageLines& lines);

}  // namespace krx
