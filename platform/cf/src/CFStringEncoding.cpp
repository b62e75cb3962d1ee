// Text encodings: conversions between UTF-16 and the byte encodings the pane
// meets (PPD files, property lists, C strings), through glibc's iconv.
#include "CFInternal.h"

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iconv.h>

namespace {

struct EncodingInfo {
    CFStringEncoding encoding;
    const char *iconvName; // null: handled here, not by iconv
};

// CP932 rather than SHIFT_JIS: it keeps 0x5C and 0x7E as backslash and tilde,
// which is what Japanese PPD text means by them.
constexpr EncodingInfo kEncodings[] = {
    {kCFStringEncodingMacRoman, "MACINTOSH"},
    {kCFStringEncodingMacJapanese, "CP932"},
    {kCFStringEncodingWindowsLatin1, "CP1252"},
    {kCFStringEncodingISOLatin1, "ISO-8859-1"},
    {kCFStringEncodingNextStepLatin, "NEXTSTEP"}, // no converter in glibc: ASCII text only
    {kCFStringEncodingASCII, "ASCII"},
    {kCFStringEncodingUTF8, "UTF-8"},
    {kCFStringEncodingUnicode, nullptr},
    {kCFStringEncodingNonLossyASCII, nullptr},
};

constexpr const char *kHostUTF16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

const EncodingInfo *findEncoding(CFStringEncoding enc)
{
    for (const auto &e : kEncodings)
        if (e.encoding == enc)
            return &e;
    return nullptr;
}

// Runs one iconv conversion over the whole input; false on any invalid or
// unmappable sequence, or when the converter does not exist.
bool runIconv(const char *to, const char *from, const char *in, size_t inLen, std::string &out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return false;
    out.clear();
    char *src = const_cast<char *>(in);
    size_t left = inLen;
    char buf[1024];
    bool ok = true;
    while (left > 0) {
        char *dst = buf;
        size_t room = sizeof buf;
        size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, size_t(dst - buf));
        if (r == size_t(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    if (ok) {
        char *dst = buf;
        size_t room = sizeof buf;
        iconv(cd, nullptr, nullptr, &dst, &room); // final shift state, if any
        out.append(buf, size_t(dst - buf));
    }
    iconv_close(cd);
    return ok;
}

bool allASCII(const UInt8 *b, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (b[i] >= 0x80)
            return false;
    return true;
}

bool allASCII(const std::u16string &s)
{
    for (char16_t c : s)
        if (c >= 0x80)
            return false;
    return true;
}

// ASCII with "\uXXXX" escapes for everything else and "\\" for a backslash.
bool decodeNonLossy(const UInt8 *b, size_t n, std::u16string &out)
{
    out.clear();
    for (size_t i = 0; i < n; ++i) {
        if (b[i] >= 0x80)
            return false;
        if (b[i] == '\\' && i + 1 < n && b[i + 1] == '\\') {
            out += u'\\';
            ++i;
        } else if (b[i] == '\\' && i + 5 < n && b[i + 1] == 'u') {
            int v = 0;
            for (size_t k = 2; k < 6; ++k) {
                int h = HexDigitValue(b[i + k]);
                if (h < 0)
                    return false;
                v = v * 16 + h;
            }
            out += char16_t(v);
            i += 5;
        } else {
            out += char16_t(b[i]);
        }
    }
    return true;
}

void encodeNonLossy(const std::u16string &s, std::string &out)
{
    out.clear();
    for (char16_t c : s) {
        if (c == u'\\') {
            out += "\\\\";
        } else if (c < 0x80) {
            out += char(c);
        } else {
            char buf[8];
            snprintf(buf, sizeof buf, "\\u%04x", unsigned(c));
            out += buf;
        }
    }
}

bool decodeUnicode(const UInt8 *b, size_t n, std::u16string &out)
{
    if (n % 2)
        return false;
    bool big = std::endian::native == std::endian::big;
    if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
        big = true;
        b += 2, n -= 2;
    } else if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        big = false;
        b += 2, n -= 2;
    }
    out.resize(n / 2);
    for (size_t i = 0; i < n / 2; ++i)
        out[i] = big ? char16_t((b[2 * i] << 8) | b[2 * i + 1]) : char16_t((b[2 * i + 1] << 8) | b[2 * i]);
    return true;
}

} // namespace

bool cfDecode(const UInt8 *bytes, size_t n, CFStringEncoding enc, bool external, std::u16string &out)
{
    const EncodingInfo *info = findEncoding(enc);
    if (!info || (n && !bytes))
        return false;
    if (enc == kCFStringEncodingUnicode)
        return decodeUnicode(bytes, n, out);
    if (enc == kCFStringEncodingNonLossyASCII)
        return decodeNonLossy(bytes, n, out);
    if (enc == kCFStringEncodingUTF8 && n >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        bytes += 3, n -= 3;
    if (allASCII(bytes, n)) {
        out.assign(bytes, bytes + n);
        return true;
    }
    std::string raw;
    if (!runIconv(kHostUTF16, info->iconvName, reinterpret_cast<const char *>(bytes), n, raw))
        return false;
    out.resize(raw.size() / 2);
    memcpy(out.data(), raw.data(), out.size() * 2);
    return true;
}

bool cfEncode(const std::u16string &text, CFStringEncoding enc, std::string &out)
{
    const EncodingInfo *info = findEncoding(enc);
    if (!info)
        return false;
    if (enc == kCFStringEncodingUnicode) {
        out.assign(reinterpret_cast<const char *>(text.data()), text.size() * 2);
        return true;
    }
    if (enc == kCFStringEncodingNonLossyASCII) {
        encodeNonLossy(text, out);
        return true;
    }
    if (allASCII(text)) {
        out.assign(text.begin(), text.end());
        return true;
    }
    return runIconv(info->iconvName, kHostUTF16, reinterpret_cast<const char *>(text.data()), text.size() * 2, out);
}

bool cfEncodeChar(const char16_t *units, size_t n, CFStringEncoding enc, std::string &out)
{
    return cfEncode(std::u16string(units, n), enc, out);
}

std::string cfToUTF8(const std::u16string &s)
{
    std::string out;
    if (!cfEncode(s, kCFStringEncodingUTF8, out)) {
        // Unpaired surrogates: encode what can be, replacing the rest.
        out.clear();
        for (char16_t c : s) {
            std::string one;
            out += cfEncode(std::u16string(1, c), kCFStringEncodingUTF8, one) ? one : "?";
        }
    }
    return out;
}

std::u16string cfFromUTF8(const std::string &s)
{
    std::u16string out;
    if (!cfDecode(reinterpret_cast<const UInt8 *>(s.data()), s.size(), kCFStringEncodingUTF8, false, out))
        cfDecode(reinterpret_cast<const UInt8 *>(s.data()), s.size(), kCFStringEncodingISOLatin1, false, out);
    return out;
}
