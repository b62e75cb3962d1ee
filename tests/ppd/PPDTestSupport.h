// Helpers of the PPD tests: fixture paths, sessions on a PPD file, and
// reading choice elements.
#pragma once

#include "PPDAccess.h"

#include <gtest/gtest.h>

#include <string>

inline std::string SamplePPDPath() { return std::string(QV_SOURCE_DIR) + "/resources/ppd/ORVEN-QV17.ppd"; }
inline std::string FixturePath(const std::string &name)
{
    return std::string(QV_SOURCE_DIR) + "/tests/ppd/fixtures/" + name;
}

inline std::string StdString(CFStringRef s)
{
    if (!s)
        return "<null>";
    char buffer[1024];
    return CFStringGetCString(s, buffer, sizeof buffer, kCFStringEncodingUTF8) ? buffer : "<unconvertible>";
}

inline CFStringRef NewString(const std::string &s)
{
    return CFStringCreateWithCString(nullptr, s.c_str(), kCFStringEncodingUTF8);
}

// String i of element k of a choice array, as UTF-8.
inline std::string ElementString(CFArrayRef array, CFIndex k, CFIndex i)
{
    CFArrayRef element = static_cast<CFArrayRef>(CFArrayGetValueAtIndex(array, k));
    return element ? StdString(static_cast<CFStringRef>(CFArrayGetValueAtIndex(element, i))) : "<none>";
}

// A session whose current printer uses the PPD file at path.
struct TestSession {
    explicit TestSession(const std::string &ppdPath)
    {
        session = PMHostCreateSession();
        CFStringRef name = NewString("QV17"), path = NewString(ppdPath);
        EXPECT_EQ(PMHostSessionSetPrinter(session, name, path, nullptr), noErr);
        CFRelease(name);
        CFRelease(path);
    }
    TestSession() : session(PMHostCreateSession()) {}
    ~TestSession() { PMHostReleaseSession(session); }
    TestSession(const TestSession &) = delete;
    TestSession &operator=(const TestSession &) = delete;
    PMPrintSession session;
};

// A parsed PPD, closed at the end of the scope.
struct OpenedPPD {
    explicit OpenedPPD(const std::string &path) : ppd(ppdOpenFile(path.c_str())) {}
    ~OpenedPPD()
    {
        if (ppd)
            ppdClose(ppd);
    }
    OpenedPPD(const OpenedPPD &) = delete;
    OpenedPPD &operator=(const OpenedPPD &) = delete;
    ppd_file_t *ppd;
};

// A choice array, released at the end of the scope.
struct ChoiceArray {
    ~ChoiceArray()
    {
        if (array)
            CFRelease(array);
    }
    CFMutableArrayRef array = nullptr;
};
