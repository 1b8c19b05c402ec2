// Feeds arbitrary text to the number parser and the number formats. The
// throwing and the non-throwing readers must agree; a value read must format
// and read back within the format's precision; a whole number is also a
// decimal one.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/numbers.h"

namespace {

template <class Read, class TryRead>
auto agree(std::string_view text, Read read, TryRead tryRead)
{
    const auto value = tryRead(text);
    try {
        const auto thrown = read(text);
        if (!value || *value != thrown) std::abort();
    } catch (const tolvane::ConversionError&) {
        if (value) std::abort();
    }
    return value;
}

void near(double read, double value, double tolerance)
{
    if (!(std::fabs(read - value) <= tolerance)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tolvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)hasValue(text);

    const auto whole = agree(text, parseWhole, tryParseWhole);
    const auto decimal = agree(text, parseDecimal, tryParseDecimal);
    if (whole && (!decimal || *decimal != static_cast<double>(*whole))) std::abort();
    try {
        (void)parseGrouped(text);
    } catch (const ConversionError&) {
    }
    if (!decimal || !std::isfinite(*decimal)) return 0;

    const double v = *decimal;
    const double ulp = std::fabs(v) * 1e-15;
    near(parseDecimal(formatShortest(v)), v, std::fabs(v) * 1e-14);
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const double step = std::pow(10.0, -decimals);
        near(parseGrouped(formatFixed(v, decimals)), v, step / 2 * (1 + 1e-9) + ulp);
        near(parseDecimal(formatPadded(v, decimals, 8)), v, step / 2 * (1 + 1e-9) + ulp);
    }
    const double rounded = roundHalfEven(v);
    if (rounded != std::floor(rounded) || !(std::fabs(rounded - v) <= 0.5)) std::abort();
    (void)formatLengthDisplay(v);
    if (v == std::floor(v) && std::fabs(v) < 1e15) (void)formatWhole(v);
    return 0;
}
