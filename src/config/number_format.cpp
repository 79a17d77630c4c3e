#include "config/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>

namespace krx {
namespace {

std::string WithSeparator(std::string text, char decimalSeparator) {
    for (char& c : text) {
        if (c == '.') c = decimalSeparator;
    }
    return text;
}

void DropTrailingZeros(std::string& mantissa) {
    if (mantissa.find('.') == std::string::npos) return;
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
}

}  // namespace

std::string FormatGeneral(double value, int significantDigits, char decimalSeparator) {
    if (significantDigits < 1) significantDigits = 1;
    if (significantDigits > 18) significantDigits = 18;
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";

    // Round to the significant digits first, then decide on the notation.
    char sci[64];
    std::snprintf(sci, sizeof sci, "%.*e", significantDigits - 1, value);
    const char* e = std::strchr(sci, 'e');
    const int exponent = std::atoi(e + 1);
    std::string mantissa(static_cast<const char*>(sci), e);

    const double rounded = std::strtod(sci, nullptr);
    if (exponent < significantDigits && std::fabs(rounded) >= 0.00001) {
        const int decimals = std::max(0, significantDigits - 1 - exponent);
        char fixed[400];
        std::snprintf(fixed, sizeof fixed, "%.*f", decimals, rounded);
        std::string text(fixed);
        DropTrailingZeros(text);
        if (text == "-0") text = "0";
        return WithSeparator(text, decimalSeparator);
    }
    DropTrailingZeros(mantissa);
    std::string text = mantissa + "E" + std::to_string(exponent);
    return WithSeparator(text, decimalSeparator);
}

std::string FormatFixed(double value, int decimals, char decimalSeparator) {
    if (decimals < 0) decimals = 0;
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return WithSeparator(buf, decimalSeparator);
}

}  // namespace krx
