#include "config/section_defaults.h"

namespace krx {

// Placeholder until this section's codec lands with its named defaults.
void WriteConnectionDefaults(ConfigImage& /*image*/) {}

}  // namespace krx
