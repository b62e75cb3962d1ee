// Reads the three lists from a full list file (3 x 500 used slots) and writes
// them back, and loads the same file with python3's plistlib in the same run;
// prints the medians and how many times faster our read is.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ProfileFile.h"

namespace {

constexpr int kRuns = 41;

// Median of the samples, in milliseconds.
double MedianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2] * 1000.0;
}

// Seconds that fn takes, once.
template <typename Fn> double Seconds(Fn fn)
{
    auto start = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A list with every slot used and texts of typical length.
void FillFull(ProfileList *list, int cls)
{
    for (int slot = 0; slot < kProfileListSlots; slot++) {
        ProfileEntry &e = list->entry[slot];
        e.IndexOnDevice = 500 + slot;
        e.InMenu = 1 + slot % 6;
        e.ProfileClass = cls == 0 ? 1 + slot % 2 : 3;
        std::snprintf(e.FileName, sizeof e.FileName, "P%d_%03d.ICC", cls, slot);
        std::snprintf(e.ProfileName, sizeof e.ProfileName, "Office profile %d-%03d", cls, slot);
        e.Location = slot % 2 ? 4 : 5;
    }
    list->iNum = kProfileListSlots;
}

// plistlib's median load time of path in milliseconds, or a negative value.
double PlistlibMedianMs(const std::string &path)
{
    std::string command = std::string("python3 '") + QV_SOURCE_DIR "/tests/profiles/plist_peer.py' time '" + path +
                          "' " + std::to_string(kRuns);
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return -1;
    double seconds = -1;
    if (std::fscanf(pipe, "%lf", &seconds) != 1)
        seconds = -1;
    if (pclose(pipe) != 0)
        return -1;
    return seconds * 1000.0;
}

} // namespace

int main()
{
    char home[] = "/tmp/qv-profiles-bench-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    VxPListSetHomeDirectoryForTesting(home);

    auto rgb = std::make_unique<ProfileList>();
    auto sim = std::make_unique<ProfileList>();
    auto dst = std::make_unique<ProfileList>();
    FillFull(rgb.get(), 0);
    FillFull(sim.get(), 1);
    FillFull(dst.get(), 2);
    if (VxPListWriteProfile_All(rgb.get(), sim.get(), dst.get()) != 0) {
        std::fprintf(stderr, "profiles_bench: cannot write the list file under %s\n", home);
        return 1;
    }
    char path[256];
    VxPListCurrentPath(path, sizeof path);

    std::vector<double> reads;
    std::vector<double> writes;
    auto r = std::make_unique<ProfileList>();
    auto s = std::make_unique<ProfileList>();
    auto d = std::make_unique<ProfileList>();
    for (int run = 0; run < kRuns; run++) {
        *r = ProfileList{};
        *s = ProfileList{};
        *d = ProfileList{};
        SInt32 status = 0;
        reads.push_back(Seconds([&] { status = VxPListReadProfile_All(r.get(), s.get(), d.get()); }));
        if (status != 0 || r->iNum != kProfileListSlots) {
            std::fprintf(stderr, "profiles_bench: the list file did not read back\n");
            return 1;
        }
        writes.push_back(Seconds([&] { status = VxPListWriteProfile_All(r.get(), s.get(), d.get()); }));
        if (status != 0) {
            std::fprintf(stderr, "profiles_bench: the list file could not be written\n");
            return 1;
        }
    }
    double plistlib = PlistlibMedianMs(path);
    double read = MedianMs(reads);
    double write = MedianMs(writes);

    std::printf("profile list file: 3 lists x 500 used slots, %d runs each\n", kRuns);
    std::printf("  our read (VxPListReadProfile_All)    median %8.3f ms\n", read);
    std::printf("  our write (VxPListWriteProfile_All)  median %8.3f ms\n", write);
    if (plistlib < 0) {
        std::printf("  python3 plistlib load                unavailable\n");
    } else {
        std::printf("  python3 plistlib load                median %8.3f ms\n", plistlib);
        std::printf("  plistlib / our read = %.2f (target: at least 3.00) %s\n", plistlib / read,
                    plistlib / read >= 3.0 ? "met" : "NOT MET");
    }
#if defined(__SANITIZE_ADDRESS__)
    std::printf("  note: built with sanitizers; measure a build with QV_SANITIZE=OFF\n");
#endif
    std::string cleanup = std::string("rm -rf '") + home + "'";
    std::system(cleanup.c_str());
    return 0;
}
