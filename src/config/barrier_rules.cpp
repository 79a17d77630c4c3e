#include "config/barrier_rules.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "config/number_format.h"

namespace krx {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

double LinearScale(int code, double minVal, double maxVal) {
    return minVal + (maxVal - minVal) * code / kConverterCodeMax;
}

}  // namespace

int Thx21Hundredths(int code) {
    // 16 * c - 32768 (the converter word with its sign bit flipped) scaled by
    // 100 / 196 and shifted: (1600 * c - 984100) / 196.
    const long c = std::clamp(code, 0, kConverterCodeMax);
    return static_cast<int>((1600L * c - 984100L) / 196L);
}

std::optional<std::string> BarrierReading(int code, int sensType, double minVal, double maxVal,
                                          char decimalSeparator, LevelUnit unit) {
    code = std::clamp(code, 0, kConverterCodeMax);
    switch (sensType) {
        case kSensTypeDisabled:
        case kSensTypeDiscrete:
            if (unit == LevelUnit::Percent) {
                return FormatGeneral(code * 100.0 / kConverterCodeMax, 3, decimalSeparator) +
                       " %";
            }
            return FormatGeneral(code * 10.0 / kConverterCodeMax, 3, decimalSeparator) + " В";
        case kSensTypeAnalog:
            return FormatGeneral(LinearScale(code, minVal, maxVal), 4, decimalSeparator);
        case kSensTypeThx21:
            return FormatGeneral(Thx21Hundredths(code) / 100.0, 3, decimalSeparator) + "° C";
        case kSensTypeThx31:
            return FormatGeneral(LinearScale(code, minVal, maxVal), 4, decimalSeparator) + "° C";
        default:
            return std::nullopt;
    }
}

bool ZoneActive(int sensActLevel, int code, int loBarrier, int hiBarrier, bool wasActive) {
    const bool low = code <= loBarrier;
    const bool high = code >= hiBarrier;
    switch (sensActLevel) {
        case 0: return low || high;
        case 1: return low;
        case 2: return loBarrier <= code && code <= hiBarrier;
        case 3: return high;
        case 4: return low ? true : high ? false : wasActive;
        case 5: return high ? true : low ? false : wasActive;
        default: return wasActive;
    }
}

void MoveHiBarrier(int code, int& hiBarrier, int& loBarrier) {
    hiBarrier = std::clamp(code, 0, kConverterCodeMax);
    if (hiBarrier < loBarrier) loBarrier = hiBarrier;
}

void MoveLoBarrier(int code, int& loBarrier, int& hiBarrier) {
    loBarrier = std::clamp(code, 0, kConverterCodeMax);
    if (loBarrier > hiBarrier) hiBarrier = loBarrier;
}

double ReadDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;

    // Collect the leading number with "," read as "."; the sign is kept
    // apart because the conversion below takes no "+".
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string number;
    bool digits = false;
    int integerDigits = 0;  // significant digits before the point
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        number += text[i];
        digits = true;
        if (integerDigits > 0 || text[i] != '0') ++integerDigits;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        number += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            number += text[i];
            digits = true;
        }
    }
    if (!digits) return 0.0;

    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            number += 'e';
            if (expNegative) number += '-';
            for (; j < text.size() && IsDigit(text[j]); ++j) {
                number += text[j];
                exponent = std::min(exponent * 10 + (text[j] - '0'), 100000L);
            }
            if (expNegative) exponent = -exponent;
        }
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large saturates; too small is zero.
        value = integerDigits + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

}  // namespace krx
