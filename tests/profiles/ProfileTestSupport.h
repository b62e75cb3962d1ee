// Helpers of the profile tests: a private home folder per test, entries and
// lists to fill, files to place, and running the independent peers.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "ProfileFile.h"
#include "ProfileList.h"

// A fresh home folder with Library/Preferences, set as the home of the list
// file for the length of a test and removed afterwards.
class ProfileHomeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string PrefsDir() const { return home_ + "/Library/Preferences"; }
    std::string CurrentPath() const;
    std::string PreviousPath() const;

    std::string home_;
};

// A zero-filled list on the heap (a list is about 36 KB).
std::unique_ptr<ProfileList> NewList();

// Sets a slot's fields (DriverAvail stays 0, as after a read).
void SetEntry(ProfileList *list, int slot, SInt32 index, SInt32 inMenu, SInt32 profileClass, const char *fileName,
              const char *profileName, SInt32 location);

// Puts text into a 32-byte field, zero-filled behind it, as every writer does.
void SetText(char (&field)[kProfileTextSize], const char *text);

// A list whose used slots 0..count-1 hold distinct, recognisable values.
void FillList(ProfileList *list, int count, int seed);

// Byte-wise equality of two lists, with a message naming the first difference.
::testing::AssertionResult ListsEqual(const ProfileList &a, const ProfileList &b);

std::string ReadFile(const std::string &path);
void WriteFile(const std::string &path, const std::string &content);
bool FileExists(const std::string &path);

// Runs a shell command; its exit status, and its standard output in *out.
int RunCommand(const std::string &command, std::string *out = nullptr);

// The file as python3's plistlib reads it, as JSON (null when unreadable).
nlohmann::json PlistlibDump(const std::string &path);

// A quoted shell word.
std::string ShellQuote(const std::string &word);
