#pragma once
// The one place where the program's Unicode texts (UTF-8) meet the
// controller's Windows-1251 bytes.

#include <string>
#include <string_view>

namespace krx {

// UTF-8 to Windows-1251. A character the code page lacks becomes '?'.
std::string Utf8ToCp1251(std::string_view utf8);

// Windows-1251 to UTF-8. The one unassigned byte (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);

}  // namespace krx
