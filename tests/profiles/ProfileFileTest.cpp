// Reading and writing the profile list file.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "PlistFixture.h"
#include "ProfileTestSupport.h"
#include "TraceLog.h"

namespace {

using nlohmann::json;

class ProfileFileTest : public ProfileHomeTest {
protected:
    void PlaceFile(const json &description) { WriteFile(CurrentPath(), PlistXml(description)); }

    // Three different lists, written to the file.
    void WriteThreeLists()
    {
        FillList(rgb.get(), 500, 0);
        FillList(sim.get(), 3, 1);
        FillList(dst.get(), 0, 2);
        ASSERT_EQ(VxPListWriteProfile_All(rgb.get(), sim.get(), dst.get()), 0);
    }

    std::unique_ptr<ProfileList> rgb = NewList();
    std::unique_ptr<ProfileList> sim = NewList();
    std::unique_ptr<ProfileList> dst = NewList();
};

TEST_F(ProfileFileTest, ListsReadBackAsWrittenExceptDriverAvail)
{
    FillList(rgb.get(), 500, 0);
    FillList(sim.get(), 3, 1);
    std::memset(sim->entry[1].ProfileName, 'x', kProfileTextSize - 1);     // longest text
    SetText(sim->entry[2].ProfileName, "Profil \xC3\xA9t\xC3\xA9 \xE2\x80\x94 #2");  // UTF-8
    sim->entry[2].IndexOnDevice = INT32_MIN;
    sim->entry[2].ProfileClass = INT32_MAX;
    auto expectedRgb = NewList();
    *expectedRgb = *rgb;
    rgb->entry[0].DriverAvail = 3;  // never stored

    ASSERT_EQ(VxPListWriteProfile_All(rgb.get(), sim.get(), dst.get()), 0);
    auto r = NewList(), s = NewList(), d = NewList();
    ASSERT_EQ(VxPListReadProfile_All(r.get(), s.get(), d.get()), 0);
    EXPECT_TRUE(ListsEqual(*r, *expectedRgb));
    EXPECT_TRUE(ListsEqual(*s, *sim));
    EXPECT_TRUE(ListsEqual(*d, *dst));

    const ProfileList *written[] = {expectedRgb.get(), sim.get(), dst.get()};
    for (SInt32 type = 0; type < 3; type++) {
        auto one = NewList();
        ASSERT_EQ(VxPListReadProfile_Dict(one.get(), type), 0);
        EXPECT_TRUE(ListsEqual(*one, *written[type])) << "class " << type;
    }
}

// A field whose text is not UTF-8 is left out of the file and reads as empty.
TEST_F(ProfileFileTest, TextThatIsNotUtf8IsNotStored)
{
    FillList(rgb.get(), 2, 0);
    SetText(rgb->entry[1].ProfileName, "bad \xFF\xFE");
    ASSERT_EQ(VxPListWriteProfile_All(rgb.get(), sim.get(), dst.get()), 0);
    nlohmann::json stored = PlistlibDump(CurrentPath());
    EXPECT_FALSE(stored["RGB"]["ProfileName"].contains("ProfileName0001"));
    EXPECT_EQ(stored["RGB"]["ProfileName"].size(), kProfileListSlots - 1u);
    auto r = NewList();
    ASSERT_EQ(VxPListReadProfile_Dict(r.get(), 0), 0);
    EXPECT_STREQ(r->entry[1].ProfileName, "");
    EXPECT_STREQ(r->entry[1].FileName, rgb->entry[1].FileName);
}

TEST_F(ProfileFileTest, MissingFileOrBrokenContentReadsNothing)
{
    WriteThreeLists();
    const std::string full = ReadFile(CurrentPath());
    struct BrokenCase {
        const char *name;
        std::string content;
        bool present;  // false: no file at all
    };
    const BrokenCase cases[] = {
        {"missing", "", false},
        {"empty", "", true},
        {"truncated", full.substr(0, full.size() / 2), true},
        {"not XML", "RGB SIM DST\n\x01\x02\xFF", true},
        {"not a property list", "<?xml version=\"1.0\"?><html><body/></html>", true},
        {"top level not a dictionary", PlistXml(json::array({1, 2})), true},
        {"top level a string", PlistXml(json("RGB")), true},
    };
    for (const BrokenCase &c : cases) {
        std::remove(CurrentPath().c_str());
        if (c.present)
            WriteFile(CurrentPath(), c.content);
        auto r = NewList(), s = NewList(), d = NewList();
        FillList(r.get(), 2, 9);
        auto before = NewList();
        *before = *r;
        EXPECT_EQ(VxPListReadProfile_All(r.get(), s.get(), d.get()), -1) << c.name;
        EXPECT_EQ(VxPListReadProfile_Dict(r.get(), 0), -1) << c.name;
        EXPECT_TRUE(ListsEqual(*r, *before)) << c.name;
    }
}

// Which readers succeed when part of the structure is missing or of the
// wrong type; a failing reader leaves its list alone.
TEST_F(ProfileFileTest, ShapeDecidesWhichClassesRead)
{
    struct ShapeCase {
        const char *name;
        std::function<void(json &)> change;
        SInt32 all;
        SInt32 perClass[3];
    };
    const ShapeCase cases[] = {
        {"SIM lacks Location", [](json &f) { f["SIM"].erase("Location"); }, -1, {0, -1, 0}},
        {"no DST", [](json &f) { f.erase("DST"); }, -1, {0, 0, -1}},
        {"RGB is a string", [](json &f) { f["RGB"] = "RGB"; }, -1, {-1, 0, 0}},
        {"DST InMenu is an array", [](json &f) { f["DST"]["InMenu"] = json::array(); }, -1, {0, 0, -1}},
        {"RGB FileName is an integer", [](json &f) { f["RGB"]["FileName"] = 3; }, -1, {-1, 0, 0}},
        {"no iNum, no version", [](json &f) { f["SIM"].erase("iNum"); f.erase("PlistVersion"); }, 0, {0, 0, 0}},
        {"extra keys", [](json &f) { f["XYZ"] = 1; f["RGB"]["Other"] = json::object(); }, 0, {0, 0, 0}},
    };
    for (const ShapeCase &c : cases) {
        json file = MinimalListFile();
        c.change(file);
        // One entry per class, so that a read that should not happen shows.
        for (const char *cls : {"RGB", "SIM", "DST"}) {
            if (file.contains(cls) && file[cls].is_object() && file[cls].contains("InMenu") &&
                file[cls]["InMenu"].is_object())
                file[cls]["InMenu"]["InMenu0000"] = 6;
        }
        PlaceFile(file);
        auto r = NewList(), s = NewList(), d = NewList();
        EXPECT_EQ(VxPListReadProfile_All(r.get(), s.get(), d.get()), c.all) << c.name;
        if (c.all != 0) {
            EXPECT_EQ(r->entry[0].InMenu + s->entry[0].InMenu + d->entry[0].InMenu, 0) << c.name;
        }
        for (SInt32 type = 0; type < 3; type++) {
            auto one = NewList();
            EXPECT_EQ(VxPListReadProfile_Dict(one.get(), type), c.perClass[type]) << c.name << " class " << type;
            EXPECT_EQ(one->entry[0].InMenu, c.perClass[type] == 0 ? 6 : 0) << c.name << " class " << type;
        }
    }
    auto one = NewList();
    EXPECT_EQ(VxPListReadProfile_Dict(one.get(), 3), -1);
    EXPECT_EQ(VxPListReadProfile_Dict(one.get(), -1), -1);
}

// Items of the wrong type or out of range are skipped; long texts are cut to
// 31 bytes without splitting a character.
TEST_F(ProfileFileTest, UnusableItemsLeaveTheirFieldAlone)
{
    const std::string forty(40, 'N');
    const std::string longText(300, 'L');
    // 30 ASCII bytes, then a two-byte character that would end at byte 32.
    const std::string straddling = std::string(30, 'a') + "\xC3\xA9" + "z";
    struct ItemCase {
        const char *field;
        json value;
        SInt32 index;          // expected IndexOnDevice of slot 0
        std::string fileName;  // expected FileName of slot 0
    };
    const ItemCase cases[] = {
        {"IndexOnDevice", 2147483647, 2147483647, "A.ICC"},
        {"IndexOnDevice", -2147483648LL, INT32_MIN, "A.ICC"},
        {"IndexOnDevice", 2147483648LL, 0, "A.ICC"},
        {"IndexOnDevice", 4294967300LL, 0, "A.ICC"},
        {"IndexOnDevice", -4294967296LL, 0, "A.ICC"},
        {"IndexOnDevice", json{{"raw", "<integer>-9223372036854775808</integer>"}}, 0, "A.ICC"},
        {"IndexOnDevice", json{{"raw", "<real>7.5</real>"}}, 0, "A.ICC"},
        {"IndexOnDevice", json{{"raw", "<true/>"}}, 0, "A.ICC"},
        {"IndexOnDevice", "17", 0, "A.ICC"},
        {"IndexOnDevice", json::object(), 0, "A.ICC"},
        {"FileName", 17, 0, ""},
        {"FileName", "", 0, ""},
        {"FileName", forty, 0, forty.substr(0, 31)},
        {"FileName", longText, 0, longText.substr(0, 31)},
        {"FileName", straddling, 0, std::string(30, 'a')},
        {"FileName", "A\xE2\x82\xAC.ICC", 0, "A\xE2\x82\xAC.ICC"},
    };
    for (const ItemCase &c : cases) {
        json file = MinimalListFile();
        file["RGB"]["InMenu"]["InMenu0000"] = 4;
        file["RGB"]["FileName"]["FileName0000"] = "A.ICC";
        file["RGB"]["iNum"] = 1;
        file["RGB"][c.field][std::string(c.field) + "0000"] = c.value;
        PlaceFile(file);
        auto r = NewList();
        ASSERT_EQ(VxPListReadProfile_Dict(r.get(), 0), 0) << c.value.dump();
        EXPECT_EQ(r->entry[0].IndexOnDevice, c.index) << c.value.dump();
        EXPECT_EQ(std::string(r->entry[0].FileName), c.fileName) << c.value.dump();
        // Behind the text the field stays zero-filled.
        for (size_t i = c.fileName.size(); i < kProfileTextSize; i++)
            ASSERT_EQ(r->entry[0].FileName[i], '\0') << c.value.dump() << " byte " << i;
        EXPECT_EQ(r->iNum, 1);
    }
}

// The count stored in the file is corrected from the used slots, and a hole
// among them loses nothing.
TEST_F(ProfileFileTest, CountIsTakenFromTheUsedSlots)
{
    struct CountCase {
        json count;  // stored "iNum", null for none
        std::vector<int> usedSlots;
    };
    const CountCase cases[] = {
        {5, {0, 1, 2}},
        {json(), {0, 1, 2}},
        {"3", {0, 1, 2}},
        {2, {0, 2, 4}},
        {0, {499}},
    };
    for (const CountCase &c : cases) {
        json file = MinimalListFile();
        if (c.count.is_null())
            file["DST"].erase("iNum");
        else
            file["DST"]["iNum"] = c.count;
        for (int slot : c.usedSlots) {
            char key[32];
            std::snprintf(key, sizeof key, "%04d", slot);
            file["DST"]["InMenu"][std::string("InMenu") + key] = 6;
            file["DST"]["IndexOnDevice"][std::string("IndexOnDevice") + key] = 500 + slot;
        }
        // Leftovers behind the used slots.
        file["DST"]["FileName"]["FileName0498"] = "OLD.ICC";
        PlaceFile(file);
        auto d = NewList();
        ASSERT_EQ(VxPListReadProfile_Dict(d.get(), 2), 0);
        SInt32 n = static_cast<SInt32>(c.usedSlots.size());
        EXPECT_EQ(d->iNum, n) << c.count.dump();
        for (SInt32 i = 0; i < n; i++)
            EXPECT_EQ(d->entry[i].IndexOnDevice, 500 + c.usedSlots[i]) << c.count.dump() << " slot " << i;
        EXPECT_EQ(d->entry[498].FileName[0], '\0') << c.count.dump();
    }
}

TEST_F(ProfileFileTest, WritingOneListKeepsTheOthersAndReportsThem)
{
    WriteThreeLists();
    auto edited = NewList();
    FillList(edited.get(), 4, 7);
    auto outRgb = NewList(), outSim = NewList(), outDst = NewList();
    // The given list may also be one of the out buffers.
    *outSim = *edited;
    ASSERT_EQ(VxPListWriteProfile_Dict(outSim.get(), 1, outRgb.get(), outSim.get(), outDst.get()), 0);
    EXPECT_TRUE(ListsEqual(*outRgb, *rgb));
    EXPECT_TRUE(ListsEqual(*outSim, *edited));
    EXPECT_TRUE(ListsEqual(*outDst, *dst));
    auto r = NewList(), s = NewList(), d = NewList();
    ASSERT_EQ(VxPListReadProfile_All(r.get(), s.get(), d.get()), 0);
    EXPECT_TRUE(ListsEqual(*r, *rgb));
    EXPECT_TRUE(ListsEqual(*s, *edited));
    EXPECT_TRUE(ListsEqual(*d, *dst));

    // An unknown class writes nothing but still reports the stored lists.
    const std::string before = ReadFile(CurrentPath());
    auto outRgb2 = NewList();
    EXPECT_EQ(VxPListWriteProfile_Dict(edited.get(), 3, outRgb2.get(), nullptr, nullptr), 0);
    EXPECT_EQ(ReadFile(CurrentPath()), before);
    EXPECT_TRUE(ListsEqual(*outRgb2, *rgb));
}

TEST_F(ProfileFileTest, WritingOneListOverAnUnreadableFile)
{
    auto edited = NewList();
    FillList(edited.get(), 2, 3);

    // No file: the other classes are written empty.
    ASSERT_EQ(VxPListWriteProfile_Dict(edited.get(), 2, nullptr, nullptr, nullptr), 0);
    auto r = NewList(), s = NewList(), d = NewList();
    ASSERT_EQ(VxPListReadProfile_All(r.get(), s.get(), d.get()), 0);
    EXPECT_TRUE(ListsEqual(*r, ProfileList{}));
    EXPECT_TRUE(ListsEqual(*d, *edited));

    // One class damaged: the classes that still read are kept.
    WriteThreeLists();
    std::string xml = ReadFile(CurrentPath());
    size_t sim = xml.find("<key>SIM</key>");
    ASSERT_NE(sim, std::string::npos);
    size_t location = xml.find("<key>Location</key>", sim);
    ASSERT_NE(location, std::string::npos);
    xml.replace(location, std::strlen("<key>Location</key>"), "<key>Locatio_</key>");
    WriteFile(CurrentPath(), xml);
    ASSERT_EQ(VxPListReadProfile_All(r.get(), s.get(), d.get()), -1);

    ASSERT_EQ(VxPListWriteProfile_Dict(edited.get(), 2, nullptr, nullptr, nullptr), 0);
    r = NewList();
    s = NewList();
    d = NewList();
    ASSERT_EQ(VxPListReadProfile_All(r.get(), s.get(), d.get()), 0);
    EXPECT_TRUE(ListsEqual(*r, *rgb));
    EXPECT_TRUE(ListsEqual(*d, *edited));
}

TEST_F(ProfileFileTest, EachOperationTracesItsEntry)
{
    auto list = NewList();
    const std::pair<const char *, std::function<void()>> operations[] = {
        {"VxPListWriteProfile_All", [&] { VxPListWriteProfile_All(list.get(), list.get(), list.get()); }},
        {"VxPListWriteProfile_Dict", [&] { VxPListWriteProfile_Dict(list.get(), 0, nullptr, nullptr, nullptr); }},
        {"VxPListReadProfile_All", [&] { VxPListReadProfile_All(list.get(), list.get(), list.get()); }},
        {"VxPListReadProfile_Dict", [&] { VxPListReadProfile_Dict(list.get(), 0); }},
        {"VxPListSwapProfile", [] { VxPListSwapProfile(1); }},
        {"VxPListRemove", [] { VxPListRemove(2); }},
        {"VxPListCleanProfile_Dict", [&] { VxPListCleanProfile_Dict(list.get()); }},
        {"VxPListPaddingProfile_Dict", [&] { VxPListPaddingProfile_Dict(list.get()); }},
        {"VxPlistCheckWithInMenu_Dict", [&] { VxPlistCheckWithInMenu_Dict(list.get()); }},
        {"CreatePropsDictionary",
         [&] {
             CFDictionaryRef d =
                 CreatePropsDictionary(0, list.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
             if (d != nullptr)
                 CFRelease(d);
         }},
    };
    for (const auto &[name, run] : operations) {
        TraceLog().clear();
        run();
        ASSERT_FALSE(TraceLog().empty()) << name;
        EXPECT_EQ(TraceLog().front(), std::string("[Vxplist] ") + name + " <Entry>");
    }
}

TEST_F(ProfileFileTest, ClassDictionaryHoldsEverySlot)
{
    FillList(rgb.get(), 2, 0);
    CFMutableDictionaryRef classDict = nullptr, fields[6] = {};
    CFDictionaryRef wrapper = CreatePropsDictionary(0, rgb.get(), &classDict, &fields[0], &fields[1], &fields[2],
                                                    &fields[3], &fields[4], &fields[5]);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(CFDictionaryGetCount(wrapper), 1);
    EXPECT_EQ(CFDictionaryGetValue(wrapper, CFSTR("RGB")), classDict);
    EXPECT_EQ(CFDictionaryGetCount(classDict), 7);
    EXPECT_EQ(CFDictionaryGetValue(classDict, CFSTR("InMenu")), fields[1]);
    for (CFMutableDictionaryRef field : fields)
        EXPECT_EQ(CFDictionaryGetCount(field), kProfileListSlots);
    SInt32 value = 0;
    EXPECT_TRUE(ReadDictionaryIntEntry(fields[0], CFSTR("IndexOnDevice0001"), &value));
    EXPECT_EQ(value, rgb->entry[1].IndexOnDevice);
    char text[kProfileTextSize];
    EXPECT_TRUE(ReadDictionaryStringEntry(fields[4], CFSTR("FileName0001"), text, sizeof text));
    EXPECT_STREQ(text, rgb->entry[1].FileName);
    EXPECT_TRUE(ReadDictionaryStringEntry(fields[5], CFSTR("ProfileName0499"), text, sizeof text));
    EXPECT_STREQ(text, "");
    CFRelease(wrapper);
    EXPECT_EQ(CreatePropsDictionary(3, rgb.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
              nullptr);
}

} // namespace
