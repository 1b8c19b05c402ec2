#include "text/exact_decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "text/numbers.h"

namespace tolvane {

namespace {

using Units = __int128;

// Scales beyond this leave the exact range; 10^38 still fits the units.
constexpr int kMaxScale = 36;

constexpr std::array<Units, 39> powersOfTen()
{
    std::array<Units, 39> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}
constexpr std::array<Units, 39> kPow10 = powersOfTen();

bool scaleUp(Units& units, int by)
{
    if (by < 0 || by >= static_cast<int>(kPow10.size())) return false;
    return !__builtin_mul_overflow(units, kPow10[static_cast<std::size_t>(by)], &units);
}

std::string_view withoutBlanks(std::string_view s)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

ExactDecimal::ExactDecimal(long long units, int scale) : units_(units), scale_(scale)
{
    if (scale_ < 0) {
        if (!scaleUp(units_, -scale_)) *this = approximate(static_cast<double>(units) * std::pow(10.0, -scale));
        else scale_ = 0;
    } else if (scale_ > kMaxScale) {
        *this = approximate(static_cast<double>(units) / std::pow(10.0, scale));
    }
}

ExactDecimal ExactDecimal::approximate(double value)
{
    ExactDecimal d;
    d.exact_ = false;
    d.approx_ = value;
    return d;
}

ExactDecimal ExactDecimal::parse(std::string_view text)
{
    // Validates the text, and is the value if it does not fit the exact range.
    const double value = parseDecimal(text);

    std::string_view s = withoutBlanks(text);
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    ExactDecimal d;
    bool inFraction = false;
    std::size_t i = 0;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            inFraction = true;
            continue;
        }
        if (__builtin_mul_overflow(d.units_, Units(10), &d.units_) ||
            __builtin_add_overflow(d.units_, Units(s[i] - '0'), &d.units_))
            return approximate(value);
        if (inFraction) ++d.scale_;
    }
    if (i < s.size()) {
        int exponent = 0;
        auto [ptr, ec] = std::from_chars(s.data() + i + 1 + (s[i + 1] == '+'), s.data() + s.size(), exponent);
        if (ec != std::errc() || ptr != s.data() + s.size()) return approximate(value);
        if (exponent > 0 && exponent > d.scale_) {
            if (!scaleUp(d.units_, exponent - d.scale_)) return approximate(value);
            d.scale_ = 0;
        } else {
            d.scale_ -= exponent;
        }
    }
    while (d.scale_ > kMaxScale && d.units_ % 10 == 0) {
        d.units_ /= 10;
        --d.scale_;
    }
    if (d.scale_ > kMaxScale) return approximate(value);
    if (negative) d.units_ = -d.units_;
    return d;
}

ExactDecimal ExactDecimal::fromDouble(double value)
{
    if (!std::isfinite(value)) return approximate(value);
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) return approximate(value);
    return parse(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b)
{
    if (a.exact_ && b.exact_) {
        ExactDecimal x = a, y = b;
        if (x.scale_ < y.scale_) std::swap(x, y);
        // x has the larger scale: bring y to it.
        if (scaleUp(y.units_, x.scale_ - y.scale_) && !__builtin_add_overflow(x.units_, y.units_, &x.units_))
            return x;
    }
    return ExactDecimal::approximate(a.toDouble() + b.toDouble());
}

ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b)
{
    if (a.exact_ && b.exact_) {
        ExactDecimal p;
        if (!__builtin_mul_overflow(a.units_, b.units_, &p.units_)) {
            p.scale_ = a.scale_ + b.scale_;
            while (p.scale_ > 0 && p.units_ % 10 == 0) {
                p.units_ /= 10;
                --p.scale_;
            }
            if (p.scale_ <= kMaxScale) return p;
        }
    }
    return ExactDecimal::approximate(a.toDouble() * b.toDouble());
}

double ExactDecimal::toDouble() const
{
    if (!exact_) return approx_;
    // Written out in decimal and read back: the nearest double.
    std::string digits;
    Units u = units_ < 0 ? -units_ : units_;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(u % 10)));
        u /= 10;
    } while (u != 0);
    std::string text = (units_ < 0 ? "-" : "") + digits + "e-" + std::to_string(scale_);
    return std::strtod(text.c_str(), nullptr);
}

double ExactDecimal::roundHalfEven() const
{
    if (!exact_) return std::nearbyint(approx_);
    const Units unit = kPow10[static_cast<std::size_t>(scale_)];
    const bool negative = units_ < 0;
    const Units magnitude = negative ? -units_ : units_;
    Units whole = magnitude / unit;
    const Units twiceRest = (magnitude % unit) * 2;
    if (twiceRest > unit || (twiceRest == unit && whole % 2 != 0)) ++whole;
    const double result = static_cast<double>(whole);
    return negative ? -result : result;
}

}  // namespace tolvane
