#pragma once
// A configuration body as text a technician can read, keep under version
// control and edit: the settings of every section in the tree's order, each
// list value with its list text beside it, and, in one marked block, what
// belongs to no setting. Reading the text back gives the body byte for byte.

#include <string>
#include <string_view>

#include "config/config_image.h"
#include "config/interface_texts.h"

namespace krx {

enum class TextFormat { Toml, Json };

// The body of `image` as TOML or JSON; the tails are not part of it.
std::string BodyAsText(const ConfigImage& image, TextFormat format,
                       const InterfaceTexts& texts = BuiltInInterfaceTexts());

struct TextLoadResult {
    bool ok = false;
    ConfigImage image;   // the body, when ok; the tails are zero
    int line = 0;       // where the text fails, 0 when no line applies
    std::string error;  // what is wrong, with the line, the section and the setting
};

// Reads a TOML text made by BodyAsText (and edited). Any setting missing,
// unknown, of the wrong kind or out of its range fails the whole text.
TextLoadResult BodyFromText(std::string_view toml,
                            const InterfaceTexts& texts = BuiltInInterfaceTexts());

// Whether a file's first bytes look like a configuration file rather than text.
bool LooksLikeConfigFile(std::string_view firstBytes);

}  // namespace krx
