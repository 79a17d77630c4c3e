#pragma once
// Each section writes its own defaults into the default image from its named
// fields; DefaultImage() calls them all once, in body order.

#include "config/config_image.h"

namespace krx {

void WriteHeaderDefaults(ConfigImage& image);
void WriteGeneralDefaults(ConfigImage& image);      // general connection parameters
void WriteConnectionDefaults(ConfigImage& image);   // eight connection records
void WriteClockDefaults(ConfigImage& image);        // clock and task scheduler
void WritePowerDefaults(ConfigImage& image);        // power, temperature, indication, tamper
void WriteInputDefaults(ConfigImage& image);        // inputs common byte and the sixteen inputs
void WriteArmInDefaults(ConfigImage& image);        // Arm-In block, key table and perimeter texts
void WriteOutputDefaults(ConfigImage& image);       // seven output records
void WriteScenarioDefaults(ConfigImage& image);     // fourteen control scenarios
void WriteProfileDefaults(ConfigImage& image);      // eight profiles

}  // namespace krx
