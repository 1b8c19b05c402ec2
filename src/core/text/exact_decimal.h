// Decimal numbers reckoned as they are written on paper, for the results that
// are rounded to whole amperes or volts. In binary floating point
// 190 × 0.55 is 104.50000000000001 and rounds to 105; here it is exactly 104.5
// and rounds, halves to the even neighbour, to 104.
#pragma once

#include <string_view>

namespace tolvane {

class ExactDecimal {
public:
    ExactDecimal() = default;  // 0
    // units × 10^-scale, e.g. (55, 2) is 0.55.
    ExactDecimal(long long units, int scale);

    // A number text as parseDecimal reads it (ConversionError otherwise).
    static ExactDecimal parse(std::string_view text);
    // A computed value as the program writes it: its shortest decimal text.
    static ExactDecimal fromDouble(double value);

    friend ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b);
    friend ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b);
    ExactDecimal& operator+=(const ExactDecimal& other) { return *this = *this + other; }

    // The nearest double.
    double toDouble() const;
    // The nearest whole number, halves to the even neighbour.
    double roundHalfEven() const;

private:
    using Units = __int128;
    static ExactDecimal approximate(double value);

    // value = units_ / 10^scale_ while exact_; a number beyond the exact
    // range (more than about 30 digits) is carried as a double instead.
    Units units_ = 0;
    int scale_ = 0;
    bool exact_ = true;
    double approx_ = 0;
};

}  // namespace tolvane
