// URLs: the URL text (ASCII with percent escapes) and its parts, file URLs
// made from POSIX paths, and URLs of any scheme (device URIs, ipp, lpd...).
#include "CFInternal.h"

#include <climits>
#include <cstring>
#include <unistd.h>

namespace {

struct URLParts {
    std::string scheme;    // without ':'; empty for a relative URL
    bool hasAuthority = false;
    std::string authority; // text after "//" up to the path
    std::string path;      // up to '?' or '#'
    std::string rest;      // '?' or '#' onwards
};

bool isSchemeChar(char c, bool first)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return true;
    return !first && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.');
}

URLParts splitURL(const std::string &s)
{
    URLParts p;
    size_t pos = 0;
    size_t colon = s.find(':');
    if (colon != std::string::npos && colon > 0) {
        bool ok = true;
        for (size_t i = 0; i < colon && ok; ++i)
            ok = isSchemeChar(s[i], i == 0);
        if (ok) {
            p.scheme = s.substr(0, colon);
            pos = colon + 1;
        }
    }
    if (s.compare(pos, 2, "//") == 0) {
        p.hasAuthority = true;
        size_t end = s.find_first_of("/?#", pos + 2);
        if (end == std::string::npos)
            end = s.size();
        p.authority = s.substr(pos + 2, end - pos - 2);
        pos = end;
    }
    size_t q = s.find_first_of("?#", pos);
    if (q == std::string::npos)
        q = s.size();
    p.path = s.substr(pos, q - pos);
    p.rest = s.substr(q);
    return p;
}

// Percent-escapes every byte that may not stand as it is in a URL path.
std::string escapePath(const std::string &raw)
{
    static const char *kSafe = "-._~/!$&'()*+,;=:@";
    std::string out;
    for (unsigned char c : raw) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || (c && strchr(kSafe, c))) {
            out += char(c);
        } else {
            char buf[4];
            snprintf(buf, sizeof buf, "%%%02X", c);
            out += buf;
        }
    }
    return out;
}

// Removes percent escapes; false on a malformed escape or an escaped NUL.
bool unescape(const std::string &s, std::string &out)
{
    out.clear();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        if (i + 2 >= s.size())
            return false;
        int h = HexDigitValue(UInt8(s[i + 1])), l = HexDigitValue(UInt8(s[i + 2]));
        if (h < 0 || l < 0 || (h == 0 && l == 0))
            return false;
        out += char(h * 16 + l);
        i += 2;
    }
    return true;
}

// True when text may stand as a URL: printable ASCII without the characters a
// URL never holds bare, and only well-formed percent escapes.
bool validURLText(const std::string &s)
{
    if (s.empty())
        return false;
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c <= 0x20 || c >= 0x7F || strchr("\"<>\\^`{|}", c))
            return false;
        if (c == '%' && (i + 2 >= s.size() || HexDigitValue(UInt8(s[i + 1])) < 0 || HexDigitValue(UInt8(s[i + 2])) < 0))
            return false;
    }
    return true;
}

// Resolves a relative reference against a base URL (enough for paths and
// host-relative references).
std::string resolve(const std::string &base, const std::string &rel)
{
    URLParts b = splitURL(base);
    std::string prefix = b.scheme.empty() ? "" : b.scheme + ":";
    if (rel.compare(0, 2, "//") == 0)
        return prefix + rel;
    if (b.hasAuthority)
        prefix += "//" + b.authority;
    if (!rel.empty() && rel[0] == '/')
        return prefix + rel;
    if (!rel.empty() && (rel[0] == '?' || rel[0] == '#'))
        return prefix + b.path + rel;
    size_t slash = b.path.rfind('/');
    std::string dir = slash == std::string::npos ? std::string(b.hasAuthority ? "/" : "") : b.path.substr(0, slash + 1);
    return prefix + dir + rel;
}

CFURLRef makeURL(std::string text)
{
    return new __CFURL(std::move(text));
}

// The decoded path of a file URL; false for other URLs or bad escapes.
bool filePath(const __CFURL *u, std::string &path)
{
    if (!u)
        return false;
    URLParts p = splitURL(u->text);
    if (p.scheme != "file" || (p.hasAuthority && !p.authority.empty() && p.authority != "localhost"))
        return false;
    if (!unescape(p.path, path) || path.empty())
        return false;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return true;
}

} // namespace

__CFURL::~__CFURL()
{
    CFRelease(string);
}

bool __CFURL::equals(const CFObject &other) const
{
    return text == static_cast<const __CFURL &>(other).text;
}

CFHashCode __CFURL::hash() const
{
    return std::hash<std::string>()(text);
}

std::u16string __CFURL::describe() const
{
    return cfFromUTF8(text);
}

CFTypeID CFURLGetTypeID(void)
{
    return kCFTypeIDURL;
}

// "file://" and the escaped path; a relative path is taken from the current
// folder.  Folders get a trailing slash.
CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef, CFStringRef filePath, CFURLPathStyle, Boolean isDirectory)
{
    const __CFString *s = cfString(filePath);
    if (!s || s->text.empty())
        return nullptr;
    std::string path;
    if (!cfEncode(s->text, kCFStringEncodingUTF8, path) || path.find('\0') != std::string::npos)
        return nullptr;
    if (path[0] != '/') {
        char cwd[PATH_MAX];
        if (!getcwd(cwd, sizeof cwd))
            return nullptr;
        path = std::string(cwd) + (cwd[strlen(cwd) - 1] == '/' ? "" : "/") + path;
    }
    if (isDirectory && path.back() != '/')
        path += '/';
    return makeURL("file://" + escapePath(path));
}

// Null when the text is not a well-formed URL.  A relative reference is
// resolved against baseURL when one is given.
CFURLRef CFURLCreateWithString(CFAllocatorRef, CFStringRef urlString, CFURLRef baseURL)
{
    const __CFString *s = cfString(urlString);
    if (!s)
        return nullptr;
    std::string text;
    if (!cfEncode(s->text, kCFStringEncodingASCII, text) || !validURLText(text))
        return nullptr;
    const __CFURL *base = cfURL(baseURL);
    if (base && splitURL(text).scheme.empty())
        text = resolve(base->text, text);
    return makeURL(std::move(text));
}

// Appends "/" (when needed) and the escaped component to the URL's path.
CFURLRef CFURLCreateCopyAppendingPathComponent(CFAllocatorRef, CFURLRef url, CFStringRef component, Boolean isDirectory)
{
    const __CFURL *u = cfURL(url);
    const __CFString *c = cfString(component);
    if (!u || !c)
        return nullptr;
    std::string comp;
    if (!cfEncode(c->text, kCFStringEncodingUTF8, comp))
        return nullptr;
    URLParts p = splitURL(u->text);
    std::string head = u->text.substr(0, u->text.size() - p.rest.size());
    if (head.empty() || head.back() != '/')
        head += '/';
    head += escapePath(comp);
    if (isDirectory && head.back() != '/')
        head += '/';
    return makeURL(head + p.rest);
}

CFStringRef CFURLGetString(CFURLRef url)
{
    const __CFURL *u = cfURL(url);
    if (!u)
        return nullptr;
    if (!u->string)
        u->string = cfMakeString(cfFromUTF8(u->text));
    return u->string;
}

CFStringRef CFURLCopyFileSystemPath(CFURLRef url, CFURLPathStyle)
{
    std::string path;
    std::u16string text;
    if (!filePath(cfURL(url), path) ||
        !cfDecode(reinterpret_cast<const UInt8 *>(path.data()), path.size(), kCFStringEncodingUTF8, false, text))
        return nullptr;
    return cfMakeString(std::move(text));
}

// The path as a NUL-terminated byte string; false when it does not fit.
Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean, UInt8 *buffer, CFIndex maxBufLen)
{
    std::string path;
    if (!buffer || maxBufLen <= 0)
        return false;
    if (!filePath(cfURL(url), path) || CFIndex(path.size()) >= maxBufLen) {
        buffer[0] = 0;
        return false;
    }
    memcpy(buffer, path.c_str(), path.size() + 1);
    return true;
}

CFStringRef CFURLCopyNetLocation(CFURLRef url)
{
    const __CFURL *u = cfURL(url);
    if (!u)
        return nullptr;
    URLParts p = splitURL(u->text);
    std::string loc = p.authority;
    size_t at = loc.rfind('@');
    if (at != std::string::npos)
        loc.erase(0, at + 1);
    if (!p.hasAuthority || loc.empty())
        return nullptr;
    return cfMakeString(cfFromUTF8(loc));
}

CFStringRef CFURLCopyScheme(CFURLRef url)
{
    const __CFURL *u = cfURL(url);
    if (!u)
        return nullptr;
    URLParts p = splitURL(u->text);
    return p.scheme.empty() ? nullptr : cfMakeString(cfFromUTF8(p.scheme));
}

// Path of a file URL as bytes, for the resource functions (CFURLResource.cpp).
bool cfURLFilePath(CFURLRef url, std::string &path)
{
    return filePath(cfURL(url), path);
}
