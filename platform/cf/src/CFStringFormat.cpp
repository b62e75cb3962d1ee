// CFStringCreateWithFormat: printf-style formatting into a CF string, with
// %@ for CF objects.  Numbers are formatted by the C library.
#include "CFInternal.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

enum class Length { None, Char, Short, Long, LongLong, Size, Max, Ptrdiff, LongDouble };

// Formats one C conversion with snprintf (spec is the whole "%...x" text).
template <typename T> std::string formatOne(const std::string &spec, T value)
{
    char small[128];
    int n = snprintf(small, sizeof small, spec.c_str(), value);
    if (n < 0)
        return {};
    if (size_t(n) < sizeof small)
        return std::string(small, size_t(n));
    std::string big(size_t(n) + 1, '\0');
    snprintf(big.data(), big.size(), spec.c_str(), value);
    big.resize(size_t(n));
    return big;
}

// Signed integer argument of the given length, widened.
long long signedArg(va_list &ap, Length len)
{
    switch (len) {
    case Length::Long: return va_arg(ap, long);
    case Length::LongLong: return va_arg(ap, long long);
    case Length::Size: return va_arg(ap, ssize_t);
    case Length::Max: return va_arg(ap, intmax_t);
    case Length::Ptrdiff: return va_arg(ap, ptrdiff_t);
    case Length::Char: return (signed char) va_arg(ap, int);
    case Length::Short: return (short) va_arg(ap, int);
    default: return va_arg(ap, int);
    }
}

unsigned long long unsignedArg(va_list &ap, Length len)
{
    switch (len) {
    case Length::Long: return va_arg(ap, unsigned long);
    case Length::LongLong: return va_arg(ap, unsigned long long);
    case Length::Size: return va_arg(ap, size_t);
    case Length::Max: return va_arg(ap, uintmax_t);
    case Length::Ptrdiff: return (unsigned long long) va_arg(ap, ptrdiff_t);
    case Length::Char: return (unsigned char) va_arg(ap, unsigned);
    case Length::Short: return (unsigned short) va_arg(ap, unsigned);
    default: return va_arg(ap, unsigned);
    }
}

// Pads a CF text to width (left-aligned with '-').
std::u16string pad(std::u16string s, int width, bool left)
{
    if (width > 0 && s.size() < size_t(width)) {
        std::u16string fill(size_t(width) - s.size(), u' ');
        s = left ? s + fill : fill + s;
    }
    return s;
}

std::u16string formatText(const std::u16string &fmt, va_list &ap)
{
    std::u16string out;
    size_t i = 0, n = fmt.size();
    while (i < n) {
        char16_t c = fmt[i++];
        if (c != u'%' || i >= n) {
            out += c;
            continue;
        }
        size_t start = i - 1;
        std::string spec = "%";
        bool leftAlign = false;
        while (i < n && fmt[i] != 0 && fmt[i] < 0x80 && std::strchr("-+ #0", char(fmt[i]))) {
            leftAlign |= fmt[i] == u'-';
            spec += char(fmt[i++]);
        }
        int width = -1;
        if (i < n && fmt[i] == u'*') {
            width = va_arg(ap, int);
            if (width < 0)
                leftAlign = true, width = -width;
            ++i;
        } else {
            while (i < n && fmt[i] >= u'0' && fmt[i] <= u'9')
                width = (width < 0 ? 0 : width * 10) + (fmt[i++] - u'0');
        }
        if (width >= 0)
            spec += std::to_string(width);
        if (leftAlign && spec.find('-') == std::string::npos)
            spec.insert(1, "-");
        int precision = -1;
        if (i < n && fmt[i] == u'.') {
            ++i;
            precision = 0;
            if (i < n && fmt[i] == u'*') {
                precision = va_arg(ap, int);
                ++i;
            } else {
                while (i < n && fmt[i] >= u'0' && fmt[i] <= u'9')
                    precision = precision * 10 + (fmt[i++] - u'0');
            }
            if (precision >= 0)
                spec += "." + std::to_string(precision);
        }
        Length len = Length::None;
        while (i < n) {
            char16_t m = fmt[i];
            if (m == u'h')
                len = len == Length::Short ? Length::Char : Length::Short;
            else if (m == u'l')
                len = len == Length::Long ? Length::LongLong : Length::Long;
            else if (m == u'q')
                len = Length::LongLong;
            else if (m == u'z')
                len = Length::Size;
            else if (m == u'j')
                len = Length::Max;
            else if (m == u't')
                len = Length::Ptrdiff;
            else if (m == u'L')
                len = Length::LongDouble;
            else
                break;
            ++i;
        }
        if (i >= n) {
            out += fmt.substr(start);
            break;
        }
        char16_t conv = fmt[i++];
        switch (conv) {
        case u'%':
            out += u'%';
            break;
        case u'd':
        case u'i':
            out += cfFromUTF8(formatOne(spec + "lld", signedArg(ap, len)));
            break;
        case u'u':
        case u'x':
        case u'X':
        case u'o':
            out += cfFromUTF8(formatOne(spec + "ll" + char(conv), unsignedArg(ap, len)));
            break;
        case u'f':
        case u'F':
        case u'e':
        case u'E':
        case u'g':
        case u'G':
        case u'a':
        case u'A':
            if (len == Length::LongDouble)
                out += cfFromUTF8(formatOne(spec + "L" + char(conv), va_arg(ap, long double)));
            else
                out += cfFromUTF8(formatOne(spec + char(conv), va_arg(ap, double)));
            break;
        case u'c':
            out += pad(std::u16string(1, char16_t((unsigned char) va_arg(ap, int))), width, leftAlign);
            break;
        case u'C':
            out += pad(std::u16string(1, char16_t(va_arg(ap, unsigned))), width, leftAlign);
            break;
        case u's': {
            const char *s = va_arg(ap, const char *);
            out += cfFromUTF8(formatOne(spec + "s", s ? s : "(null)"));
            break;
        }
        case u'S': {
            const UniChar *s = va_arg(ap, const UniChar *);
            std::u16string t = u"(null)";
            if (s) {
                t.clear();
                for (; *s; ++s)
                    t += char16_t(*s);
            }
            if (precision >= 0 && t.size() > size_t(precision))
                t.resize(size_t(precision));
            out += pad(t, width, leftAlign);
            break;
        }
        case u'p':
            out += cfFromUTF8(formatOne(spec + "p", va_arg(ap, void *)));
            break;
        case u'@': {
            const CFObject *o = cfObject(va_arg(ap, CFTypeRef));
            std::u16string t = o ? o->describe() : u"(null)";
            if (precision >= 0 && t.size() > size_t(precision))
                t.resize(size_t(precision));
            out += pad(t, width, leftAlign);
            break;
        }
        default: // unknown conversion: kept as written
            out += fmt.substr(start, i - start);
            break;
        }
    }
    return out;
}

} // namespace

CFStringRef CFStringCreateWithFormat(CFAllocatorRef, CFDictionaryRef, CFStringRef format, ...)
{
    const __CFString *f = cfString(format);
    if (!f)
        return nullptr;
    va_list ap;
    va_start(ap, format);
    std::u16string text = formatText(f->text, ap);
    va_end(ap);
    return cfMakeString(std::move(text));
}
