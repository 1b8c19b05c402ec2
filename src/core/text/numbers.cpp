#include "text/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace tolvane {

namespace {

std::string conversionMessage(const std::string& text, bool wholeNumber)
{
    return "'" + text + (wholeNumber ? "' は整数ではありません" : "' は数値ではありません");
}

std::string_view trimBlanks(std::string_view s)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the decimal grammar; from_chars alone would accept "inf" and "nan".
bool isDecimalText(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) { ++i; ++digits; }
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) { ++i; ++expDigits; }
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

// Decimal digits of |value| rounded to `decimals` places, ties away from zero,
// taken from the value's 17-significant-digit expansion so that binary noise
// below that does not decide a tie. Returns integer part and fraction digits.
struct DecimalParts {
    bool negative = false;
    std::string integer;   // no leading zeros except a lone "0"
    std::string fraction;  // exactly `decimals` digits
};

DecimalParts roundDecimal(double value, int decimals)
{
    DecimalParts out;
    out.negative = std::signbit(value) && value != 0.0;
    char buf[64];
    auto written = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value), std::chars_format::scientific, 16);
    *written.ptr = '\0';
    // buf: d.dddddddddddddddde[+-]xx
    std::string mantissa;
    mantissa += buf[0];
    mantissa.append(buf + 2, 16);
    int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    // digits = mantissa, decimal point after position exponent+1
    int pointPos = exponent + 1;  // number of digits before the point
    std::string digits = mantissa;
    if (pointPos <= 0) {
        digits.insert(0, static_cast<std::size_t>(-pointPos + 1), '0');
        pointPos = 1;
    }
    if (static_cast<int>(digits.size()) < pointPos + decimals + 1)
        digits.append(static_cast<std::size_t>(pointPos + decimals + 1 - static_cast<int>(digits.size())), '0');
    int keep = pointPos + decimals;
    bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0) {
            if (digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
                --i;
            } else {
                ++digits[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            digits.insert(0, 1, '1');
            ++pointPos;
        }
    }
    out.integer = digits.substr(0, static_cast<std::size_t>(pointPos));
    out.fraction = digits.substr(static_cast<std::size_t>(pointPos));
    std::size_t nz = out.integer.find_first_not_of('0');
    out.integer = nz == std::string::npos ? "0" : out.integer.substr(nz);
    if (out.integer == "0" && out.fraction.find_first_not_of('0') == std::string::npos)
        out.negative = false;  // no "-0.00"
    return out;
}

std::string groupThousands(const std::string& integer)
{
    std::string out;
    int n = static_cast<int>(integer.size());
    for (int i = 0; i < n; ++i) {
        out += integer[static_cast<std::size_t>(i)];
        int rest = n - 1 - i;
        if (rest > 0 && rest % 3 == 0) out += ',';
    }
    return out;
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

}  // namespace

ConversionError::ConversionError(std::string text, bool wholeNumber)
    : std::runtime_error(conversionMessage(text, wholeNumber)), text_(std::move(text))
{
}

ConversionError::ConversionError(std::string text, std::string message, int)
    : std::runtime_error(std::move(message)), text_(std::move(text))
{
}

ConversionError ConversionError::overflow(std::string text, const std::string& what)
{
    std::string message = what + "が大きすぎて計算できません";
    return ConversionError(std::move(text), std::move(message), 0);
}

bool hasValue(std::string_view text) { return !text.empty() && text != " "; }

std::optional<double> tryParseDecimal(std::string_view text)
{
    std::string_view s = trimBlanks(text);
    if (!isDecimalText(s)) return std::nullopt;
    if (s.front() == '+') s.remove_prefix(1);
    double value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Over- or underflow: keep the sign and magnitude class.
        return std::strtod(std::string(s).c_str(), nullptr);
    }
    if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    return value;
}

double parseDecimal(std::string_view text)
{
    if (auto v = tryParseDecimal(text)) return *v;
    throw ConversionError(std::string(text), false);
}

std::optional<std::int32_t> tryParseWhole(std::string_view text)
{
    std::string_view s = trimBlanks(text);
    const bool plus = !s.empty() && s.front() == '+';
    if (plus) s.remove_prefix(1);
    // One sign only: from_chars would read "-7" out of "+-7".
    if (s.empty() || (plus && s.front() == '-')) return std::nullopt;
    std::int64_t value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t parseWhole(std::string_view text)
{
    if (auto v = tryParseWhole(text)) return *v;
    throw ConversionError(std::string(text), true);
}

double roundHalfEven(double value) { return std::nearbyint(value); }

std::string formatFixed(double value, int decimals)
{
    if (!std::isfinite(value)) return nonFiniteText(value);
    DecimalParts p = roundDecimal(value, decimals);
    std::string out = p.negative ? "-" : "";
    out += groupThousands(p.integer);
    if (decimals > 0) out += "." + p.fraction;
    return out;
}

std::string formatPadded(double value, int decimals, int width)
{
    std::string out;
    if (!std::isfinite(value)) {
        out = nonFiniteText(value);
    } else {
        DecimalParts p = roundDecimal(value, decimals);
        out = (p.negative ? "-" : "") + p.integer;
        if (decimals > 0) out += "." + p.fraction;
    }
    if (static_cast<int>(out.size()) < width) out.insert(0, static_cast<std::size_t>(width) - out.size(), ' ');
    return out;
}

std::string formatShortest(double value)
{
    if (!std::isfinite(value)) return nonFiniteText(value);
    if (value == 0) return "0";
    char buf[64];
    auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string s(buf, written.ptr);
    std::size_t e = s.find('e');
    if (e == std::string::npos) return s;
    // Exponent form as the platform writes it: "1E20", "1.5E-5".
    std::string mantissa = s.substr(0, e);
    int exponent = std::atoi(s.c_str() + e + 1);
    return mantissa + "E" + std::to_string(exponent);
}

std::string formatWhole(double value)
{
    if (!std::isfinite(value)) return nonFiniteText(value);
    return formatShortest(roundHalfEven(value));
}

std::string formatLengthDisplay(double value)
{
    if (!std::isfinite(value)) return nonFiniteText(value);
    DecimalParts p = roundDecimal(value, 2);
    while (!p.fraction.empty() && p.fraction.back() == '0') p.fraction.pop_back();
    std::string integer = p.integer == "0" ? "" : groupThousands(p.integer);
    if (integer.empty() && p.fraction.empty()) return "";
    std::string out = p.negative ? "-" : "";
    out += integer;
    if (!p.fraction.empty()) out += "." + p.fraction;
    return out;
}

std::optional<GroupedNumber> tryParseGrouped(std::string_view text)
{
    std::string_view s = trimBlanks(text);
    if (s.find(',') == std::string_view::npos) {
        if (auto v = tryParseDecimal(s)) return GroupedNumber{*v, false, 0};
        return std::nullopt;
    }
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    const std::size_t first = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    if (i == first || i - first > 3) return std::nullopt;
    while (i < s.size() && s[i] == ',') {
        for (std::size_t d = i + 1; d <= i + 3; ++d)
            if (d >= s.size() || !isDigit(s[d])) return std::nullopt;
        i += 4;
    }
    GroupedNumber number{0, true, 0};
    if (i < s.size()) {
        if (s[i] != '.') return std::nullopt;
        for (++i; i < s.size(); ++i, ++number.decimals)
            if (!isDigit(s[i])) return std::nullopt;
    }
    std::string plain;
    plain.reserve(s.size());
    for (char c : s)
        if (c != ',') plain += c;
    auto value = tryParseDecimal(plain);
    if (!value) return std::nullopt;
    number.value = *value;
    return number;
}

double parseGrouped(std::string_view text)
{
    if (auto n = tryParseGrouped(text)) return n->value;
    throw ConversionError(std::string(text), false);
}

}  // namespace tolvane
