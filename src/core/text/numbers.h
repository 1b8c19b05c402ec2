// Numbers as the sheet and the forms hold them: decimal text with "." as the
// decimal point, read when a rule runs and written back as text.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvane {

// A text that should have been a number. The message quotes the text, e.g.
// 'Z' は数値ではありません, and is what the general error box shows.
class ConversionError : public std::runtime_error {
public:
    ConversionError(std::string text, bool wholeNumber);
    // A result too large for any number (a drop from a length of 1e308 m):
    // `what` says what could not be computed.
    static ConversionError overflow(std::string text, const std::string& what);
    const std::string& text() const { return text_; }

private:
    ConversionError(std::string text, std::string message, int);
    std::string text_;
};

// A cell or field "has a value" when it is neither empty nor a single blank.
bool hasValue(std::string_view text);

// Decimal number: optional blanks around, optional sign, digits with an
// optional ".", optional exponent ("1E3"). No thousands separators.
double parseDecimal(std::string_view text);
std::optional<double> tryParseDecimal(std::string_view text);

// Whole number (32-bit), optional blanks around and optional sign.
std::int32_t parseWhole(std::string_view text);
std::optional<std::int32_t> tryParseWhole(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Fixed decimals with "," thousands separators: 1234.5 at 2 -> "1,234.50",
// 0.19 at 3 -> "0.190". Ties on the decimal digits go away from zero.
std::string formatFixed(double value, int decimals);

// Fixed decimals without separators, padded on the left with blanks to width
// ("%8.2f"): the print's number columns.
std::string formatPadded(double value, int decimals, int width);

// Shortest text of a value: at most 15 significant digits, trailing zeros
// removed (0.1 + 0.2 -> "0.3", 12 -> "12", 2.5 -> "2.5").
std::string formatShortest(double value);

// Whole-number text of a value that is already whole ("12", "-3").
std::string formatWhole(double value);

// The length column's display format "#,###.##": 1234.5 -> "1,234.5",
// 0.5 -> ".5", 0 -> "".
std::string formatLengthDisplay(double value);

// A decimal number that may carry "," thousands separators in their places:
// groups of three digits after the first one to three, and none after the
// point ("1,234", "-12,345,678.9"). "1,2", "1,2345" or "12,34.5" are no
// numbers: a misplaced separator never silently makes another number.
struct GroupedNumber {
    double value = 0;
    bool grouped = false;  // written with separators
    int decimals = 0;      // digits after the point of a grouped text
};
std::optional<GroupedNumber> tryParseGrouped(std::string_view text);

// The value of tryParseGrouped; ConversionError when the text is none.
double parseGrouped(std::string_view text);

}  // namespace tolvane
