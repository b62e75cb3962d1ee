// Writing property lists as XML (version 1.0 of the format, tab indented).
#include "CFInternal.h"

#include <charconv>

namespace {

const char kHeader[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                       "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                       "<plist version=\"1.0\">\n";

const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Appends text XML-escaped between open and close tags; false when it holds
// a character XML 1.0 cannot carry (controls other than tab, line feed and
// carriage return, U+FFFE, U+FFFF, unpaired surrogates).  Carriage returns are
// written as references, since a reader turns a raw one into a line feed.
bool appendText(std::string &out, const char *open, const std::u16string &text, const char *close)
{
    std::string utf8;
    if (!cfEncode(text, kCFStringEncodingUTF8, utf8))
        return false;
    out += open;
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = utf8[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\r': out += "&#13;"; break;
        case '\t':
        case '\n': out += char(c); break;
        case 0xEF: // U+FFFE and U+FFFF are EF BF BE and EF BF BF
            if (i + 2 < utf8.size() && UInt8(utf8[i + 1]) == 0xBF && (UInt8(utf8[i + 2]) & 0xFE) == 0xBE)
                return false;
            out += char(c);
            break;
        default:
            if (c < 0x20)
                return false;
            out += char(c);
        }
    }
    out += close;
    return true;
}

// Appends bytes as one line of base64.
void appendBase64(std::string &out, const std::vector<UInt8> &b)
{
    size_t i = 0;
    for (; i + 3 <= b.size(); i += 3) {
        uint32_t v = uint32_t(b[i]) << 16 | uint32_t(b[i + 1]) << 8 | b[i + 2];
        for (int s = 18; s >= 0; s -= 6)
            out += kBase64[(v >> s) & 0x3F];
    }
    if (size_t rest = b.size() - i) {
        uint32_t v = uint32_t(b[i]) << 16 | (rest == 2 ? uint32_t(b[i + 1]) << 8 : 0);
        out += kBase64[v >> 18];
        out += kBase64[(v >> 12) & 0x3F];
        out += rest == 2 ? kBase64[(v >> 6) & 0x3F] : '=';
        out += '=';
    }
}

// Appends a number in its shortest exact form: decimal integers, and reals
// that read back to the same double.
void appendNumber(std::string &out, const __CFNumber &n)
{
    char buf[40];
    auto res = n.isFloat ? std::to_chars(buf, buf + sizeof buf, n.d) : std::to_chars(buf, buf + sizeof buf, n.i);
    out += n.isFloat ? "<real>" : "<integer>";
    out.append(buf, res.ptr);
    out += n.isFloat ? "</real>\n" : "</integer>\n";
}

// Appends cf as an element indented by depth tabs; false when the tree holds
// a value with no property-list form or is nested too deeply.
bool appendValue(std::string &out, CFTypeRef cf, int depth)
{
    if (depth > kCFPropertyListMaxDepth || !cf)
        return false;
    const std::string indent(size_t(depth), '\t');
    out += indent;
    switch (CFGetTypeID(cf)) {
    case kCFTypeIDString:
        return appendText(out, "<string>", cfString(cf)->text, "</string>\n");
    case kCFTypeIDNumber:
        appendNumber(out, *cfNumber(cf));
        return true;
    case kCFTypeIDBoolean:
        out += cfBoolean(cf)->value ? "<true/>\n" : "<false/>\n";
        return true;
    case kCFTypeIDData:
        out += "<data>";
        appendBase64(out, cfData(cf)->bytes);
        out += "</data>\n";
        return true;
    case kCFTypeIDArray: {
        const __CFArray *a = cfArray(cf);
        if (a->values.empty()) {
            out += "<array/>\n";
            return true;
        }
        out += "<array>\n";
        for (const void *v : a->values)
            if (!appendValue(out, v, depth + 1))
                return false;
        out += indent + "</array>\n";
        return true;
    }
    case kCFTypeIDDictionary: {
        const __CFDictionary *d = cfDictionary(cf);
        if (d->entries.empty()) {
            out += "<dict/>\n";
            return true;
        }
        out += "<dict>\n";
        for (const auto &e : d->entries) {
            const __CFString *k = cfString(e.key);
            out += indent;
            out += '\t';
            if (!k || !appendText(out, "<key>", k->text, "</key>\n") || !appendValue(out, e.value, depth + 1))
                return false;
        }
        out += indent + "</dict>\n";
        return true;
    }
    default:
        return false;
    }
}

} // namespace

bool cfWriteXMLPropertyList(CFTypeRef root, std::string &out)
{
    out = kHeader;
    if (!appendValue(out, root, 0))
        return false;
    out += "</plist>\n";
    return true;
}
