// Edit fields' tagged data: the text as bytes and as a string, the selection
// and other stored tags.
#include "ToolkitTestSupport.h"

#include <cstring>

using namespace tktest;

namespace {

class EditField : public PanesWindow {
protected:
    void SetUp() override
    {
        PanesWindow::SetUp();
        field = named("NameField");
    }
    ControlEditTextSelectionRec selection()
    {
        ControlEditTextSelectionRec sel{-9, -9};
        EXPECT_EQ(noErr, GetControlData(field, 0, kControlEditTextSelectionTag, sizeof sel, &sel, nullptr));
        return sel;
    }
    std::string bytes()
    {
        char buffer[64] = "";
        Size size = 0;
        EXPECT_EQ(noErr, GetControlData(field, 0, kControlEditTextTextTag, sizeof buffer, buffer, &size));
        return std::string(buffer, size_t(size));
    }
    ControlRef field = nullptr;
};

TEST_F(EditField, TextSetAsBytesReadsBackAsAStringWithTheCaretAtItsEnd)
{
    const char text[] = "h\xC3\xA9llo"; // five characters, six bytes
    ASSERT_EQ(noErr, SetControlData(field, 0, kControlEditTextTextTag, 6, text));
    EXPECT_EQ(text, bytes());
    CFStringRef string = nullptr;
    ASSERT_EQ(noErr, GetControlData(field, 0, kControlEditTextCFStringTag, sizeof string, &string, nullptr));
    EXPECT_EQ(5, CFStringGetLength(string));
    CFRelease(string);
    EXPECT_EQ(5, selection().selStart);
    EXPECT_EQ(5, selection().selEnd);

    // A short buffer gets what fits; the size reported is the whole.
    char two[2];
    Size size = 0;
    EXPECT_EQ(noErr, GetControlData(field, 0, kControlEditTextTextTag, sizeof two, two, &size));
    EXPECT_EQ(6, size);
    EXPECT_EQ(0, std::memcmp(two, "h\xC3", 2));
    EXPECT_EQ(noErr, GetControlDataSize(field, 0, kControlEditTextTextTag, &size));
    EXPECT_EQ(6, size);
}

TEST_F(EditField, BadTextIsRefusedAndTheFieldKeepsItsOwn)
{
    SetControlData(field, 0, kControlEditTextTextTag, 3, "abc");
    EXPECT_EQ(paramErr, SetControlData(field, 0, kControlEditTextTextTag, 2, "\xC3("));
    CFStringRef none = nullptr;
    EXPECT_EQ(paramErr, SetControlData(field, 0, kControlEditTextCFStringTag, sizeof none, &none));
    EXPECT_EQ("abc", bytes());
}

TEST_F(EditField, SelectionsAreClampedToTheText)
{
    CFStringRef text = CFSTR("abcd");
    SetControlData(field, 0, kControlEditTextCFStringTag, sizeof text, &text);
    ControlEditTextSelectionRec sel{1, 3};
    SetControlData(field, 0, kControlEditTextSelectionTag, sizeof sel, &sel);
    EXPECT_EQ(1, selection().selStart);
    EXPECT_EQ(3, selection().selEnd);
    sel = {-4, 99};
    SetControlData(field, 0, kControlEditTextSelectionTag, sizeof sel, &sel);
    EXPECT_EQ(0, selection().selStart);
    EXPECT_EQ(4, selection().selEnd);
}

TEST_F(EditField, OtherTagsAreKeptAsGivenAndOtherControlsHaveNoData)
{
    Size size = 0;
    EXPECT_EQ(errDataNotSupported, GetControlDataSize(field, 0, kControlEditTextSingleLineTag, &size));
    Boolean single = true;
    EXPECT_EQ(noErr, SetControlData(field, 0, kControlEditTextSingleLineTag, sizeof single, &single));
    Boolean out = false;
    EXPECT_EQ(noErr, GetControlData(field, 0, kControlEditTextSingleLineTag, sizeof out, &out, &size));
    EXPECT_TRUE(out);
    EXPECT_EQ(Size(sizeof out), size);

    EXPECT_EQ(errDataNotSupported, SetControlData(named("GoButton"), 0, kControlEditTextTextTag, 1, "x"));
    EXPECT_EQ(errUnknownControl, GetControlDataSize(nullptr, 0, kControlEditTextTextTag, &size));
}

} // namespace
