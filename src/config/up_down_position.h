#pragma once
// A number typed into the edit box paired with an up-down control.

#include <string_view>

namespace krx {

// The up-down position a typed text gives: the text as a decimal whole
// number (a text that is not one gives 0), kept within 0 .. `maximum` as the
// up-down control keeps its position.
int UpDownPositionFromText(std::string_view text, int maximum);

}  // namespace krx
