// Reading XML property lists: expat events build the CF tree directly.  No
// DTD is read and no entity may be declared, so nothing but the predefined
// entities and character references is expanded.
#include "CFInternal.h"

#include <charconv>
#include <climits>
#include <cstring>
#include <expat.h>

namespace {

enum class Tag { Plist, Dict, Array, Key, String, Integer, Real, True, False, Data, Date };

struct TagName {
    const char *name;
    Tag tag;
};

constexpr TagName kTags[] = {
    {"plist", Tag::Plist}, {"dict", Tag::Dict},   {"array", Tag::Array}, {"key", Tag::Key},
    {"string", Tag::String}, {"integer", Tag::Integer}, {"real", Tag::Real}, {"true", Tag::True},
    {"false", Tag::False}, {"data", Tag::Data}, {"date", Tag::Date},
};

// One open element.  Containers hold their CF object; a dictionary also holds
// the key read last until its value arrives; a plist holds whether its one
// value has been read.
struct Frame {
    Tag tag;
    CFTypeRef container = nullptr;
    CFStringRef key = nullptr;
    bool filled = false;
};

struct Reader {
    XML_Parser parser = nullptr;
    std::vector<Frame> stack;
    std::string text; // character data of the open leaf element
    CFTypeRef root = nullptr;
    std::string why;

    ~Reader()
    {
        for (Frame &f : stack) {
            if (f.container)
                CFRelease(f.container);
            if (f.key)
                CFRelease(f.key);
        }
        if (root && !why.empty())
            CFRelease(root);
    }
};

bool isLeaf(Tag t)
{
    return t != Tag::Plist && t != Tag::Dict && t != Tag::Array;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool allSpace(const char *s, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (!isSpace(s[i]))
            return false;
    return true;
}

// Records the first failure and stops the parser.
void fail(Reader &r, const char *why)
{
    if (r.why.empty())
        r.why = why;
    XML_StopParser(r.parser, XML_FALSE);
}

// The text with surrounding XML white space removed.
std::string_view trimmed(const std::string &s)
{
    size_t b = 0, e = s.size();
    while (b < e && isSpace(s[b]))
        ++b;
    while (e > b && isSpace(s[e - 1]))
        --e;
    return std::string_view(s).substr(b, e - b);
}

// Parses a signed decimal (or 0x hexadecimal) integer that fits 64 bits
// signed; false otherwise.
bool parseInteger(std::string_view s, int64_t &out)
{
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return false;
    if (negative) {
        if (magnitude > uint64_t(INT64_MAX) + 1)
            return false;
        out = magnitude == uint64_t(INT64_MAX) + 1 ? INT64_MIN : -int64_t(magnitude);
    } else {
        if (magnitude > uint64_t(INT64_MAX))
            return false;
        out = int64_t(magnitude);
    }
    return true;
}

// Parses a real number, independent of the locale; false for anything else.
bool parseReal(std::string_view s, double &out)
{
    if (!s.empty() && s[0] == '+')
        s.remove_prefix(1);
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

// Value of one base64 character, -1 for others.
int base64Value(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

// Decodes base64 text, skipping white space; false on any other character,
// on text after the padding or on a dangling character.
bool decodeBase64(const std::string &s, std::vector<UInt8> &out)
{
    out.reserve(s.size() / 4 * 3);
    uint32_t bits = 0;
    int count = 0, padding = 0;
    for (unsigned char c : s) {
        if (isSpace(char(c)))
            continue;
        if (c == '=') {
            ++padding;
            continue;
        }
        int v = base64Value(c);
        if (v < 0 || padding)
            return false;
        bits = (bits << 6) | uint32_t(v);
        if (++count == 4) {
            out.push_back(UInt8(bits >> 16));
            out.push_back(UInt8(bits >> 8));
            out.push_back(UInt8(bits));
            bits = 0;
            count = 0;
        }
    }
    if (count == 1 || padding > 2)
        return false;
    if (count == 2)
        out.push_back(UInt8(bits >> 4));
    else if (count == 3) {
        out.push_back(UInt8(bits >> 10));
        out.push_back(UInt8(bits >> 2));
    }
    return true;
}

// A new CF string from UTF-8 text (+1); null when it is not valid UTF-8.
CFStringRef makeString(const std::string &s)
{
    std::u16string text;
    if (!cfDecode(reinterpret_cast<const UInt8 *>(s.data()), s.size(), kCFStringEncodingUTF8, false, text))
        return nullptr;
    return cfMakeString(std::move(text));
}

// The value of a closed leaf element (+1); null with r.why set on failure.
CFTypeRef leafValue(Reader &r, Tag tag)
{
    switch (tag) {
    case Tag::Key:
    case Tag::String: {
        CFStringRef s = makeString(r.text);
        if (!s)
            r.why = "string is not valid UTF-8";
        return s;
    }
    case Tag::Integer: {
        int64_t v = 0;
        if (parseInteger(trimmed(r.text), v))
            return CFNumberCreate(nullptr, kCFNumberSInt64Type, &v);
        r.why = "malformed or out of range integer";
        return nullptr;
    }
    case Tag::Real: {
        double d = 0;
        if (parseReal(trimmed(r.text), d))
            return CFNumberCreate(nullptr, kCFNumberFloat64Type, &d);
        r.why = "malformed real number";
        return nullptr;
    }
    case Tag::True:
    case Tag::False:
        if (trimmed(r.text).empty())
            return tag == Tag::True ? kCFBooleanTrue : kCFBooleanFalse;
        r.why = "text inside a boolean";
        return nullptr;
    case Tag::Data: {
        auto *d = new __CFData();
        if (decodeBase64(r.text, d->bytes))
            return d;
        CFRelease(d);
        r.why = "malformed base64 data";
        return nullptr;
    }
    default:
        r.why = "unsupported property list type";
        return nullptr;
    }
}

// Hands a finished value (+1, consumed) to the open element around it.
void deliver(Reader &r, CFTypeRef value)
{
    if (r.stack.empty()) {
        r.root = value;
        return;
    }
    Frame &parent = r.stack.back();
    switch (parent.tag) {
    case Tag::Plist:
        r.root = value;
        parent.filled = true;
        return;
    case Tag::Array:
        CFArrayAppendValue(static_cast<CFMutableArrayRef>(const_cast<void *>(parent.container)), value);
        break;
    default: // a dictionary: the frame holds the key
        CFDictionarySetValue(static_cast<CFMutableDictionaryRef>(const_cast<void *>(parent.container)), parent.key,
                             value);
        CFRelease(parent.key);
        parent.key = nullptr;
        break;
    }
    CFRelease(value);
}

// Opens an element after checking that it may stand where it does.
void XMLCALL startElement(void *data, const XML_Char *name, const XML_Char **)
{
    Reader &r = *static_cast<Reader *>(data);
    if (!r.why.empty()) // expat may call on after a stop
        return;
    const TagName *found = nullptr;
    for (const TagName &t : kTags)
        if (std::strcmp(t.name, name) == 0) {
            found = &t;
            break;
        }
    if (!found)
        return fail(r, "unknown element");
    Tag tag = found->tag;
    if (r.stack.size() > size_t(kCFPropertyListMaxDepth))
        return fail(r, "property list nested too deeply");
    if (r.stack.empty()) {
        if (tag == Tag::Key)
            return fail(r, "key outside a dictionary");
    } else {
        const Frame &parent = r.stack.back();
        if (isLeaf(parent.tag) || tag == Tag::Plist)
            return fail(r, "element where none may stand");
        if (parent.tag == Tag::Plist && parent.filled)
            return fail(r, "more than one top-level value");
        if (parent.tag == Tag::Dict && (tag == Tag::Key) != (parent.key == nullptr))
            return fail(r, "dictionary keys and values do not alternate");
        if (parent.tag != Tag::Dict && tag == Tag::Key)
            return fail(r, "key outside a dictionary");
    }
    Frame f{tag};
    if (tag == Tag::Dict)
        f.container =
            CFDictionaryCreateMutable(nullptr, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
    else if (tag == Tag::Array)
        f.container = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    r.text.clear();
    r.stack.push_back(f);
}

// Closes the open element and passes its value on.
void XMLCALL endElement(void *data, const XML_Char *)
{
    Reader &r = *static_cast<Reader *>(data);
    if (!r.why.empty())
        return;
    Frame f = r.stack.back();
    r.stack.pop_back();
    if (f.tag == Tag::Plist) {
        if (!f.filled)
            fail(r, "no value in the property list");
        return;
    }
    if (f.tag == Tag::Dict && f.key) {
        CFRelease(f.key);
        CFRelease(f.container);
        return fail(r, "dictionary key without a value");
    }
    CFTypeRef value = f.container;
    if (isLeaf(f.tag) && !(value = leafValue(r, f.tag)))
        return fail(r, r.why.c_str());
    if (f.tag == Tag::Key)
        r.stack.back().key = static_cast<CFStringRef>(value);
    else
        deliver(r, value);
}

// Collects the text of leaf elements; containers allow only white space.
void XMLCALL characters(void *data, const XML_Char *s, int len)
{
    Reader &r = *static_cast<Reader *>(data);
    if (!r.why.empty())
        return;
    if (!r.stack.empty() && isLeaf(r.stack.back().tag))
        r.text.append(s, size_t(len));
    else if (!allSpace(s, size_t(len)))
        fail(r, "text outside a value");
}

// A document type with an internal subset could declare entities: refused.
void XMLCALL startDoctype(void *data, const XML_Char *, const XML_Char *, const XML_Char *, int hasInternalSubset)
{
    if (hasInternalSubset)
        fail(*static_cast<Reader *>(data), "document type declarations are not allowed");
}

void XMLCALL entityDecl(void *data, const XML_Char *, int, const XML_Char *, int, const XML_Char *, const XML_Char *,
                        const XML_Char *, const XML_Char *)
{
    fail(*static_cast<Reader *>(data), "entity declarations are not allowed");
}

// A reference to an entity that is not predefined (left unexpanded by expat
// because the external DTD is not read).
void XMLCALL skippedEntity(void *data, const XML_Char *, int)
{
    fail(*static_cast<Reader *>(data), "undefined entity");
}

} // namespace

CFTypeRef cfReadXMLPropertyList(const UInt8 *bytes, size_t n, std::string &why)
{
    Reader r;
    r.parser = XML_ParserCreate(nullptr);
    if (!r.parser) {
        why = "out of memory";
        return nullptr;
    }
    XML_SetUserData(r.parser, &r);
    XML_SetParamEntityParsing(r.parser, XML_PARAM_ENTITY_PARSING_NEVER);
    XML_SetElementHandler(r.parser, startElement, endElement);
    XML_SetCharacterDataHandler(r.parser, characters);
    XML_SetStartDoctypeDeclHandler(r.parser, startDoctype);
    XML_SetEntityDeclHandler(r.parser, entityDecl);
    XML_SetSkippedEntityHandler(r.parser, skippedEntity);

    bool ok = true;
    const char *p = reinterpret_cast<const char *>(bytes);
    do { // expat takes an int length
        int chunk = int(std::min(n, size_t(INT_MAX / 2)));
        n -= size_t(chunk);
        ok = XML_Parse(r.parser, p, chunk, n == 0) == XML_STATUS_OK;
        p += chunk;
    } while (ok && n > 0);
    if (!ok && r.why.empty())
        r.why = std::string("malformed XML: ") + XML_ErrorString(XML_GetErrorCode(r.parser));
    if (r.why.empty() && !r.root)
        r.why = "no value in the property list";
    XML_ParserFree(r.parser);
    if (!r.why.empty()) {
        why = r.why;
        return nullptr;
    }
    return r.root;
}
