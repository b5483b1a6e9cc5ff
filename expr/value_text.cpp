#include "expr/value_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zeva::expr {

namespace {

constexpr int kSignificantDigits = 15;

// The unsigned fixed-point text of abs(v); `isZero` tells whether every digit is 0.
std::string unsignedFixed(double v, int decimals, bool& isZero) {
    decimals = std::clamp(decimals, 0, 18);
    // 15 significant digits, correctly rounded from the binary value: "d.dddddddddddddde+XX".
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*e", kSignificantDigits - 1, std::fabs(v));
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    int intDigits = exponent + 1; // digits before the decimal point (may be <= 0)
    if (std::fabs(v) == 0.0) {
        digits.assign(1, '0');
        intDigits = 1;
    }

    // Round half away from zero at `decimals` places, in decimal, so 0.125 gives 0.13.
    const int kept = intDigits + decimals;
    if (kept < 0) {
        digits.assign(1, '0');
        intDigits = 1;
    } else if (kept < static_cast<int>(digits.size())) {
        const bool up = digits[static_cast<size_t>(kept)] >= '5';
        digits.resize(static_cast<size_t>(kept));
        if (up) {
            int i = kept - 1;
            for (; i >= 0; --i) {
                if (digits[static_cast<size_t>(i)] == '9') {
                    digits[static_cast<size_t>(i)] = '0';
                } else {
                    ++digits[static_cast<size_t>(i)];
                    break;
                }
            }
            if (i < 0) {
                digits.insert(digits.begin(), '1');
                ++intDigits;
            }
        }
    }

    std::string out;
    if (intDigits <= 0) {
        out.assign(1, '0');
    } else {
        for (int i = 0; i < intDigits; ++i)
            out += i < static_cast<int>(digits.size()) ? digits[static_cast<size_t>(i)] : '0';
    }
    if (decimals > 0) {
        out += '.';
        for (int i = 0; i < decimals; ++i) {
            const int index = intDigits + i;
            out += index >= 0 && index < static_cast<int>(digits.size())
                       ? digits[static_cast<size_t>(index)]
                       : '0';
        }
    }
    isZero = out.find_first_not_of("0.") == std::string::npos;
    return out;
}

int decimalsForNumber(double v, int decimals) {
    return std::fabs(v) > kNoDecimalsAbove ? 0 : decimals;
}

} // namespace

std::string fixedText(double v, int decimals) {
    if (!std::isfinite(v)) return {};
    bool isZero = false;
    std::string text = unsignedFixed(v, decimals, isZero);
    if (v < 0 && !isZero) text.insert(text.begin(), '-');
    return text;
}

std::string numberText(double v, int decimals) {
    return fixedText(v, decimalsForNumber(v, decimals));
}

std::string signedText(double v, int decimals) {
    if (!std::isfinite(v)) return {};
    bool isZero = false;
    std::string text = unsignedFixed(v, decimals, isZero);
    if (v < 0) text.insert(text.begin(), '-');
    return text;
}

std::string signedNumberText(double v, int decimals) {
    return signedText(v, decimalsForNumber(v, decimals));
}

std::string_view unitText(int dimension, model::LengthUnit lengthUnit, model::AngleUnit angleUnit,
                          const ValueTexts& texts) {
    const auto lengthIndex = static_cast<size_t>(std::clamp(model::toStored(lengthUnit), 0, 3));
    switch (dimension) {
    case 1:
        return texts.lengthUnits[lengthIndex];
    case 2:
        return texts.areaUnits[lengthIndex];
    case 3:
        return texts.angleUnits[static_cast<size_t>(std::clamp(model::toStored(angleUnit), 0, 2))];
    default:
        return {};
    }
}

int decimalsOf(const model::Element& e) {
    const bool coordinatePart =
        e.kind == model::Kind::CoordinateX || e.kind == model::Kind::CoordinateY;
    if (coordinatePart && e.parent2) return e.parent2->decimals;
    return e.decimals;
}

std::string_view labelTextOf(const model::Element& e) {
    const model::Element* label = e.label;
    if (!label || label->kind != model::Kind::Name) return {};
    return label->name().text;
}

std::string valueText(const model::Element& e, model::LengthUnit lengthUnit,
                      model::AngleUnit angleUnit, const ValueTexts& texts) {
    if (!model::isValidNumber(e) || !std::isfinite(e.x1)) return std::string(texts.noValue);
    std::string text(labelTextOf(e));
    text += numberText(e.x1, decimalsOf(e));
    const bool coordinatePart =
        e.kind == model::Kind::CoordinateX || e.kind == model::Kind::CoordinateY;
    const std::string_view unit = unitText(e.dimension, lengthUnit, angleUnit, texts);
    if (!coordinatePart && !unit.empty()) {
        text += ' ';
        text += unit;
    }
    return text;
}

} // namespace zeva::expr
