// Basic scalar types, status codes and geometry shared by every layer of the
// platform and by the pane.
#pragma once

#include <cstddef>
#include <cstdint>

typedef unsigned char Boolean;
typedef uint8_t UInt8;
typedef int8_t SInt8;
typedef uint16_t UInt16;
typedef int16_t SInt16;
typedef uint32_t UInt32;
typedef int32_t SInt32;
typedef uint64_t UInt64;
typedef int64_t SInt64;
typedef uint16_t UniChar;
typedef SInt32 OSStatus;
typedef SInt16 OSErr;
typedef UInt32 FourCharCode;
typedef FourCharCode OSType;
typedef FourCharCode ResType;
typedef UInt32 ItemCount;
typedef unsigned char Str255[256];
typedef unsigned char *StringPtr;
typedef const unsigned char *ConstStringPtr;
typedef const unsigned char *ConstStr255Param;
typedef void *Ptr;
typedef SInt32 HRESULT;
typedef UInt32 ULONG;
typedef void *LPVOID;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

enum {
    noErr = 0,
    paramErr = -50,
    memFullErr = -108,
    fnfErr = -43,
    ioErr = -36,
    eofErr = -39,
    permErr = -54,
    resNotFound = -192,
};

// A four-character code written as a string literal: FOUR_CHAR_CODE("vxco").
constexpr FourCharCode FourCC(const char (&s)[5])
{
    return (FourCharCode(UInt8(s[0])) << 24) | (FourCharCode(UInt8(s[1])) << 16) |
           (FourCharCode(UInt8(s[2])) << 8) | FourCharCode(UInt8(s[3]));
}

struct Rect {
    SInt16 top;
    SInt16 left;
    SInt16 bottom;
    SInt16 right;
};

struct Point {
    SInt16 v;
    SInt16 h;
};

// Moves a rectangle without changing its size.
void OffsetRect(Rect *r, SInt16 dh, SInt16 dv);
