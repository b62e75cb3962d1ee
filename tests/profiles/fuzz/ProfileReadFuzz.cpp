// libFuzzer target: each input becomes the profile list file, which both
// readers then read.  A list that reads must also write and read back
// unchanged (checked for a share of the inputs).  Build and run: see README.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "ProfileFile.h"

namespace {

std::string gPath;

// Writes the input as the current list file.
bool PlaceInput(const uint8_t *data, size_t size)
{
    FILE *file = std::fopen(gPath.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    char home[] = "/tmp/qv-profiles-fuzz-XXXXXX";
    if (mkdtemp(home) == nullptr)
        std::abort();
    std::string prefs = std::string(home) + "/Library/Preferences";
    std::string command = "mkdir -p '" + prefs + "'";
    if (std::system(command.c_str()) != 0)
        std::abort();
    VxPListSetHomeDirectoryForTesting(home);
    char path[256];
    if (!VxPListCurrentPath(path, sizeof path))
        std::abort();
    gPath = path;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!PlaceInput(data, size))
        return 0;
    auto rgb = std::make_unique<ProfileList>();
    auto sim = std::make_unique<ProfileList>();
    auto dst = std::make_unique<ProfileList>();
    for (SInt32 type = 0; type < 3; type++) {
        auto one = std::make_unique<ProfileList>();
        VxPListReadProfile_Dict(one.get(), type);
    }
    if (VxPListReadProfile_All(rgb.get(), sim.get(), dst.get()) != 0)
        return 0;
    // Writing 9000 items is slow; check the round trip on every eighth input
    // length only, which keeps it deterministic for a given input.
    if (size % 8 != 0)
        return 0;
    if (VxPListWriteProfile_All(rgb.get(), sim.get(), dst.get()) != 0)
        std::abort();
    auto rgb2 = std::make_unique<ProfileList>();
    auto sim2 = std::make_unique<ProfileList>();
    auto dst2 = std::make_unique<ProfileList>();
    if (VxPListReadProfile_All(rgb2.get(), sim2.get(), dst2.get()) != 0 ||
        std::memcmp(rgb.get(), rgb2.get(), sizeof(ProfileList)) != 0 ||
        std::memcmp(sim.get(), sim2.get(), sizeof(ProfileList)) != 0 ||
        std::memcmp(dst.get(), dst2.get(), sizeof(ProfileList)) != 0)
        std::abort();
    return 0;
}
