// Shared helpers of the discovery tests: a temporary home folder for the
// profile list file, compact descriptions of list entries, and seeding and
// reading the file.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "ProfileList.h"

// One used slot as the tests compare it.
struct Row {
    SInt32 inMenu;
    SInt32 index;
    std::string file;
    SInt32 location;
    std::string name;
    SInt32 profileClass = 2;

    bool operator==(const Row &other) const
    {
        return inMenu == other.inMenu && index == other.index && file == other.file && location == other.location &&
               name == other.name && profileClass == other.profileClass;
    }
};
void PrintTo(const Row &row, std::ostream *out);

using Rows = std::vector<Row>;

// A profile entry with zero-filled text fields.
ProfileEntry MakeEntry(const Row &row);
// A fresh list holding rows in slots 0 to n - 1, iNum n.
ProfileList MakeList(const Rows &rows);
// Slots 0 to iNum - 1 of a list.
Rows RowsOf(const ProfileList &list);

// The three lists of the profile list file.
struct StoredLists {
    bool read = false;
    Rows rgb, sim, dst;
};
// Writes the three lists to the file.
bool SeedFile(const Rows &rgb, const Rows &sim = {}, const Rows &dst = {});
StoredLists ReadFile();
bool FileExists(bool previousCopy);

// A temporary home folder for the profile list file; gone again with the
// object, and the home folder setting with it.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome &) = delete;
    TempHome &operator=(const TempHome &) = delete;
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

// One entry in each of the states 1 to 6 (all with a device index and a valid
// file name), the list a failed walk is checked against.
Rows OneEntryPerState();
