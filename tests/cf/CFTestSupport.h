// Helpers shared by the Core Foundation tests.
#pragma once

#include <CoreFoundation/CoreFoundation.h>
#include <gtest/gtest.h>

#include <string>

// Checks that every test leaves as many live CF objects as it found.
class CFBalanced : public ::testing::Test {
protected:
    void SetUp() override { start = CFDebugLiveObjectCount(); }
    void TearDown() override { EXPECT_EQ(CFDebugLiveObjectCount(), start) << "CF objects leaked or over-released"; }
    CFIndex start = 0;
};

// Owns one reference to a CF object for the length of a scope.
template <typename T> struct CFHold {
    T ref;
    explicit CFHold(T r = nullptr) : ref(r) {}
    CFHold(const CFHold &) = delete;
    CFHold &operator=(const CFHold &) = delete;
    ~CFHold() { CFRelease(ref); }
    operator T() const { return ref; }
    T get() const { return ref; }
};

inline CFStringRef makeUTF8(const std::string &s)
{
    return CFStringCreateWithCString(nullptr, s.c_str(), kCFStringEncodingUTF8);
}

// The UTF-8 text of a CF string ("<null>" for null).
inline std::string utf8(CFStringRef s)
{
    if (!s)
        return "<null>";
    CFIndex size = CFStringGetMaximumSizeForEncoding(CFStringGetLength(s), kCFStringEncodingUTF8) + 1;
    std::string buf(size_t(size), '\0');
    if (!CFStringGetCString(s, buf.data(), size, kCFStringEncodingUTF8))
        return "<unconvertible>";
    buf.resize(strlen(buf.c_str()));
    return buf;
}
