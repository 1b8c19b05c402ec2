#include "text/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace tolvane {

namespace {

// One conversion descriptor per call; iconv descriptors are not thread-safe
// and opening one is cheap compared with a file's worth of text.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts; on an input sequence that cannot be converted, appends
    // `replacement` and skips `skip(in, left)` bytes.
    template <typename Skip>
    std::string run(std::string_view input, std::string_view replacement, Skip skip)
    {
        std::string out;
        out.reserve(input.size() * 2 + 16);
        append(out, input, replacement, skip);
        return out;
    }

    // As run, for an ASCII-compatible input and output encoding (UTF-8,
    // CP932), which both write ASCII as it is: only the runs of other bytes
    // go through iconv, and a sheet file is mostly digits, commas and line
    // ends. `characterLength(p, left)` is the length of the character that
    // starts at p, so that a run never ends inside a character (a CP932 trail
    // byte may be an ASCII letter).
    template <typename Skip, typename Length>
    std::string runAsciiDirect(std::string_view input, std::string_view replacement, Skip skip,
                               Length characterLength)
    {
        std::string out;
        out.reserve(input.size() * 2 + 16);
        const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
        const std::size_t n = input.size();
        for (std::size_t i = 0; i < n;) {
            std::size_t j = i;
            while (j < n && ascii(input[j])) ++j;
            out.append(input, i, j - i);
            i = j;
            while (j < n && !ascii(input[j])) j += std::min(characterLength(input.data() + j, n - j), n - j);
            if (j > i) append(out, input.substr(i, j - i), replacement, skip);
            i = j;
        }
        return out;
    }

    // Input sequences that could not be converted so far.
    std::size_t failures() const { return failures_; }

private:
    template <typename Skip>
    void append(std::string& out, std::string_view input, std::string_view replacement, Skip skip)
    {
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buf[4096];
        while (inLeft > 0) {
            char* outPtr = buf;
            std::size_t outLeft = sizeof buf;
            std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buf, static_cast<std::size_t>(outPtr - buf));
            if (rc != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (truncated sequence at the end)
            ++failures_;
            out.append(replacement);
            std::size_t n = skip(in, inLeft);
            in += n;
            inLeft -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        char* outPtr = buf;
        std::size_t outLeft = sizeof buf;
        iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buf, static_cast<std::size_t>(outPtr - buf));
    }

    iconv_t cd_;
    std::size_t failures_ = 0;
};

std::size_t utf8SequenceLength(const char* p, std::size_t left)
{
    auto c = static_cast<unsigned char>(*p);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    return n > left ? left : n;
}

std::size_t oneByte(const char*, std::size_t) { return 1; }

bool isCp932Lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool isCp932Trail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// A CP932 character: a lead byte and the byte after it, or one byte.
std::size_t cp932CharacterLength(const char* p, std::size_t left)
{
    return isCp932Lead(static_cast<unsigned char>(p[0])) && left >= 2 ? 2 : 1;
}

// What a broken CP932 character takes with it: a lead byte and its trail
// byte together when both are there; a byte that cannot trail (a line end,
// a blank, a digit) is the start of the next character and stays.
std::size_t cp932BrokenLength(const char* p, std::size_t left)
{
    if (left >= 2 && isCp932Lead(static_cast<unsigned char>(p[0])) && isCp932Trail(static_cast<unsigned char>(p[1])))
        return 2;
    return 1;
}

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

std::string fromUtf16(std::string_view bytes, const char* encoding)
{
    Iconv cv("UTF-8", encoding);
    return cv.run(bytes, kReplacement, [](const char*, std::size_t left) { return left < 2 ? left : std::size_t{2}; });
}

// Keeps valid UTF-8 and replaces every invalid byte with U+FFFD.
std::string sanitizeUtf8(std::string_view bytes)
{
    Iconv cv("UTF-8", "UTF-8");
    return cv.runAsciiDirect(bytes, kReplacement, oneByte, oneByte);
}

// CP932 -> UTF-8; `broken` tells whether any byte was no CP932 character.
std::string cp932ToUtf8(std::string_view bytes, bool& broken)
{
    Iconv cv("UTF-8", "CP932");
    std::string text = cv.runAsciiDirect(bytes, kReplacement, cp932BrokenLength, cp932CharacterLength);
    broken = cv.failures() > 0;
    return text;
}

// Whether the bytes are well-formed UTF-8: every sequence complete, in its
// shortest form, no surrogate and nothing above U+10FFFF.
bool isUtf8(std::string_view bytes)
{
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // range of the second byte
        if (c >= 0xC2 && c <= 0xDF) length = 2;
        else if (c == 0xE0) length = 3, low = 0xA0;
        else if (c == 0xED) length = 3, high = 0x9F;
        else if (c >= 0xE1 && c <= 0xEF) length = 3;
        else if (c == 0xF0) length = 4, low = 0x90;
        else if (c == 0xF4) length = 4, high = 0x8F;
        else if (c >= 0xF1 && c <= 0xF3) length = 4;
        else return false;
        if (n - i < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF)) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

std::string encodeCp932(std::string_view utf8, std::vector<ReplacedCharacter>* replaced)
{
    Iconv cv("CP932", "UTF-8");
    // Iconv works on the text itself (runs of it), so where it stops lies
    // inside `utf8`.
    auto skip = [&](const char* at, std::size_t left) {
        const std::size_t n = utf8SequenceLength(at, left);
        if (replaced) replaced->push_back({static_cast<std::size_t>(at - utf8.data()), std::string(at, n)});
        return n;
    };
    return cv.runAsciiDirect(utf8, "?", skip, oneByte);
}

std::string decodeCp932(std::string_view bytes)
{
    bool broken = false;
    return cp932ToUtf8(bytes, broken);
}

std::string decodeFileText(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF")) return sanitizeUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE")) return fromUtf16(bytes.substr(2), "UTF-16LE");
    if (bytes.starts_with("\xFE\xFF")) return fromUtf16(bytes.substr(2), "UTF-16BE");
    // Without a mark the file is CP932, as the Windows systems write it. One
    // that CP932 cannot read but that is UTF-8 throughout was saved by a
    // UTF-8 editor and is read as UTF-8; a file that reads in both stays CP932.
    bool broken = false;
    std::string text = cp932ToUtf8(bytes, broken);
    if (broken && isUtf8(bytes)) return std::string(bytes);
    return text;
}

std::size_t cp932Length(std::string_view utf8) { return encodeCp932(utf8).size(); }

std::pair<std::string, std::string> splitCp932Width(const std::string& text, std::size_t units)
{
    std::size_t pos = 0;
    std::size_t width = 0;
    while (pos < text.size()) {
        std::size_t next = pos + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
        const std::size_t w = cp932Length(std::string_view(text).substr(pos, next - pos));
        if (width + w > units) break;
        width += w;
        pos = next;
    }
    return {text.substr(0, pos), text.substr(pos)};
}

}  // namespace tolvane
