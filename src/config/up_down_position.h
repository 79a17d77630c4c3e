#pragma once
// A number typed into the edit box paired with an up-down control.

#include <string_view>

namespace krx {

// The up-down position a typed text gives: the leading decimal whole number
// of the text (blanks before it and a sign allowed; whatever follows the
// digits is ignored, and a text without digits gives 0), kept within
// 0 .. `maximum` as the up-down control keeps its position. A number too long
// to hold is simply a large number and so lands on `maximum`.
int UpDownPositionFromText(std::string_view text, int maximum);

}  // namespace krx
