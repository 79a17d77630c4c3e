#pragma once
// The built-in default configuration and when it is applied.

#include "config/config_image.h"

namespace krx {

// The default image: default body, default mode memory
// (00 00 40 40 40 40 40 40 40 00) and all-zero system parameters.
const ConfigImage& DefaultImage();

void ApplyDefaultBody(ConfigImage& image);
void ApplyDefaultModeMemory(ConfigImage& image);
void ApplyDefaultSystemParameters(ConfigImage& image);
// All three, in that order.
void ApplyDefaults(ConfigImage& image);

// True when body byte 0 is the format marker and the version text at body
// byte 1 equals the default's, compared as C strings over at most 8 bytes.
bool IsValidBody(const ConfigImage& image);

}  // namespace krx
