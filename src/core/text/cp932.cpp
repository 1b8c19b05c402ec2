#include "text/cp932.h"

#include <iconv.h>

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
        return out;
    }

private:
    iconv_t cd_;
};

std::size_t utf8SequenceLength(const char* p, std::size_t left)
{
    auto c = static_cast<unsigned char>(*p);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    return n > left ? left : n;
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
    return cv.run(bytes, kReplacement, [](const char*, std::size_t) { return std::size_t{1}; });
}

}  // namespace

std::string encodeCp932(std::string_view utf8)
{
    Iconv cv("CP932", "UTF-8");
    return cv.run(utf8, "?", utf8SequenceLength);
}

std::string decodeCp932(std::string_view bytes)
{
    Iconv cv("UTF-8", "CP932");
    return cv.run(bytes, kReplacement, [](const char* p, std::size_t left) {
        // Skip a lead byte and its trail byte together when both are there;
        // a byte that cannot trail (a line end, a blank, a digit) is the
        // start of the next character and stays.
        auto c = static_cast<unsigned char>(p[0]);
        bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        if (!lead || left < 2) return std::size_t{1};
        auto t = static_cast<unsigned char>(p[1]);
        bool trail = (t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC);
        return trail ? std::size_t{2} : std::size_t{1};
    });
}

std::string decodeFileText(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF")) return sanitizeUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE")) return fromUtf16(bytes.substr(2), "UTF-16LE");
    if (bytes.starts_with("\xFE\xFF")) return fromUtf16(bytes.substr(2), "UTF-16BE");
    return decodeCp932(bytes);
}

std::size_t cp932Length(std::string_view utf8) { return encodeCp932(utf8).size(); }

}  // namespace tolvane
