// colorpane: a headless print dialog host.  It loads the Color Options plug-in
// through its bundle, builds a printing session for one printer, drives the
// pane's operations in a print dialog's order, applies a person's clicks, and
// writes the ticket, the summary and the controls' state.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <nlohmann/json.hpp>

#include <CoreFoundation/CoreFoundation.h>
#include <Printing/PDE.h>
#include <Printing/Printing.h>
#include <Toolkit/Toolkit.h>

namespace {

const char *const kUsage =
    "usage: colorpane --ppd FILE [--device-uri URI] [--ticket-in FILE] [--ticket-out FILE|-]\n"
    "                 [--click NAME[=N]]... [--command CODE] [--summary] [--controls]\n"
    "                 [--home DIR] [--bundle DIR] [--system-version 0xVVVV]\n";

struct Options {
    std::string ppd;
    std::string deviceURI;
    std::string ticketIn;
    std::string ticketOut;
    std::vector<std::string> clicks;
    std::vector<std::string> commands;
    bool summary = false;
    bool controls = false;
    std::string bundle;
    std::string home;
    long systemVersion = -1;
};

// Exit codes: 1 the plug-in cannot be loaded or fails, 2 bad command line or
// input file, 3 a printer of another model.
int Fail(int code, const std::string &message)
{
    std::cerr << "colorpane: " << message << "\n";
    return code;
}

bool ParseArguments(int argc, char **argv, Options &options, std::string &error)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string &out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--ppd") {
            if (!value(options.ppd))
                return false;
        } else if (arg == "--device-uri") {
            if (!value(options.deviceURI))
                return false;
        } else if (arg == "--ticket-in") {
            if (!value(options.ticketIn))
                return false;
        } else if (arg == "--ticket-out") {
            if (!value(options.ticketOut))
                return false;
        } else if (arg == "--click") {
            if (!value(v))
                return false;
            options.clicks.push_back(v);
        } else if (arg == "--command") {
            if (!value(v))
                return false;
            if (v.empty() || v.size() > 4) {
                error = "a command is one to four characters, such as 'ok' or 'help'";
                return false;
            }
            options.commands.push_back(v);
        } else if (arg == "--summary") {
            options.summary = true;
        } else if (arg == "--controls") {
            options.controls = true;
        } else if (arg == "--home") {
            if (!value(options.home))
                return false;
        } else if (arg == "--bundle") {
            if (!value(options.bundle))
                return false;
        } else if (arg == "--system-version") {
            if (!value(v))
                return false;
            char *end = nullptr;
            options.systemVersion = std::strtol(v.c_str(), &end, 0);
            if (end == v.c_str() || *end != '\0' || options.systemVersion < 0 || options.systemVersion > 0xFFFF) {
                error = "bad system version '" + v + "'";
                return false;
            }
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else {
            error = "unknown option '" + arg + "'";
            return false;
        }
    }
    if (options.ppd.empty()) {
        error = "--ppd FILE is required";
        return false;
    }
    return true;
}

std::string ExecutableFolder()
{
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (n <= 0)
        return ".";
    path[n] = '\0';
    std::string s(path);
    return s.substr(0, s.rfind('/'));
}

CFStringRef MakeString(const std::string &s)
{
    return CFStringCreateWithCString(kCFAllocatorDefault, s.c_str(), kCFStringEncodingUTF8);
}

std::string ToStdString(CFStringRef s)
{
    if (s == nullptr)
        return "";
    CFIndex size = CFStringGetMaximumSizeForEncoding(CFStringGetLength(s), kCFStringEncodingUTF8) + 1;
    std::vector<char> buffer(size_t(size), '\0');
    if (!CFStringGetCString(s, buffer.data(), size, kCFStringEncodingUTF8))
        return "";
    return buffer.data();
}

// Fills the ticket's PPD dictionary from a JSON object: strings stay strings,
// numbers become numbers, true/false booleans (so that a ticket can carry a
// value of the wrong type on purpose).
bool LoadTicket(const std::string &file, CFMutableDictionaryRef dict, std::string &error)
{
    std::ifstream in(file);
    if (!in) {
        error = "cannot read the ticket file " + file;
        return false;
    }
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(in);
    } catch (const nlohmann::json::exception &e) {
        error = "the ticket file " + file + " is not valid JSON: " + e.what();
        return false;
    }
    if (!json.is_object()) {
        error = "the ticket file " + file + " must hold one JSON object";
        return false;
    }
    for (auto it = json.begin(); it != json.end(); ++it) {
        CFStringRef key = MakeString(it.key());
        CFTypeRef value = nullptr;
        const nlohmann::json &v = it.value();
        if (v.is_string()) {
            value = MakeString(v.get<std::string>());
        } else if (v.is_boolean()) {
            value = CFRetain(v.get<bool>() ? kCFBooleanTrue : kCFBooleanFalse);
        } else if (v.is_number_integer()) {
            long long n = v.get<long long>();
            value = CFNumberCreate(kCFAllocatorDefault, kCFNumberLongLongType, &n);
        } else if (v.is_number()) {
            double d = v.get<double>();
            value = CFNumberCreate(kCFAllocatorDefault, kCFNumberDoubleType, &d);
        }
        if (key == nullptr || value == nullptr) {
            if (key != nullptr)
                CFRelease(key);
            if (value != nullptr)
                CFRelease(value);
            error = "the ticket entry '" + it.key() + "' must be a string, a number or a boolean";
            return false;
        }
        CFDictionarySetValue(dict, key, value);
        CFRelease(key);
        CFRelease(value);
    }
    return true;
}

nlohmann::json TicketToJSON(CFDictionaryRef dict)
{
    nlohmann::json json = nlohmann::json::object();
    CFIndex count = CFDictionaryGetCount(dict);
    std::vector<const void *> keys(static_cast<size_t>(count)), values(static_cast<size_t>(count));
    CFDictionaryGetKeysAndValues(dict, keys.data(), values.data());
    for (CFIndex i = 0; i < count; ++i) {
        if (CFGetTypeID(keys[i]) != CFStringGetTypeID())
            continue;
        std::string key = ToStdString(static_cast<CFStringRef>(keys[i]));
        CFTypeRef v = values[i];
        CFTypeID type = CFGetTypeID(v);
        if (type == CFStringGetTypeID()) {
            json[key] = ToStdString(static_cast<CFStringRef>(v));
        } else if (type == CFBooleanGetTypeID()) {
            json[key] = bool(CFBooleanGetValue(static_cast<CFBooleanRef>(v)));
        } else if (type == CFNumberGetTypeID()) {
            auto n = static_cast<CFNumberRef>(v);
            if (CFNumberIsFloatType(n)) {
                double d = 0;
                CFNumberGetValue(n, kCFNumberDoubleType, &d);
                json[key] = d;
            } else {
                long long l = 0;
                CFNumberGetValue(n, kCFNumberLongLongType, &l);
                json[key] = l;
            }
        }
    }
    return json;
}

// Prints every named control under container: name, value, maximum, enabled,
// visible.
void PrintControls(ControlRef container, std::ostream &out)
{
    UInt16 count = 0;
    CountSubControls(container, &count);
    for (UInt16 i = 1; i <= count; ++i) {
        ControlRef child = nullptr;
        if (GetIndexedSubControl(container, i, &child) != noErr || child == nullptr)
            continue;
        CFStringRef name = TKGetControlName(child);
        if (name != nullptr)
            out << ToStdString(name) << '\t' << GetControl32BitValue(child) << '\t' << GetControl32BitMaximum(child)
                << '\t' << (IsControlEnabled(child) ? 1 : 0) << '\t' << (IsControlVisible(child) ? 1 : 0) << '\n';
        PrintControls(child, out);
    }
}

UInt32 CommandCode(const std::string &text)
{
    char code[4] = {' ', ' ', ' ', ' '};
    std::memcpy(code, text.data(), text.size());
    return (UInt32(UInt8(code[0])) << 24) | (UInt32(UInt8(code[1])) << 16) | (UInt32(UInt8(code[2])) << 8) |
           UInt32(UInt8(code[3]));
}

// The plug-in, loaded through its bundle and asked for the PDE interface.
struct LoadedPane {
    const PDEPluginInterface *pde = nullptr;
    void *interfaceRecord = nullptr;
    CFPlugInRef plugIn = nullptr;
};

bool LoadPane(const std::string &bundleDir, LoadedPane &pane, std::string &error)
{
    CFStringRef path = MakeString(bundleDir);
    CFURLRef url = path != nullptr ? CFURLCreateWithFileSystemPath(kCFAllocatorDefault, path, kCFURLPOSIXPathStyle, TRUE)
                                   : nullptr;
    if (path != nullptr)
        CFRelease(path);
    pane.plugIn = url != nullptr ? CFPlugInCreate(kCFAllocatorDefault, url) : nullptr;
    if (url != nullptr)
        CFRelease(url);
    if (pane.plugIn == nullptr) {
        error = "cannot open the plug-in bundle " + bundleDir;
        return false;
    }
    if (CFBundleGetValueForInfoDictionaryKey(CFPlugInGetBundle(pane.plugIn), CFSTR("CFPlugInTypes")) == nullptr) {
        error = "the bundle " + bundleDir + " declares no plug-in types (\"CFPlugInTypes\" is missing)";
        return false;
    }
    CFUUIDRef type = CFUUIDCreateFromString(kCFAllocatorDefault, CFSTR(kPMPDETypeIDStr));
    CFArrayRef factories = CFPlugInFindFactoriesForPlugInType(type);
    void *unknown = nullptr;
    if (factories != nullptr && CFArrayGetCount(factories) > 0) {
        auto factory = static_cast<CFUUIDRef>(CFArrayGetValueAtIndex(factories, 0));
        unknown = CFPlugInInstanceCreate(kCFAllocatorDefault, factory, type);
    }
    if (factories != nullptr)
        CFRelease(factories);
    CFRelease(type);
    if (unknown == nullptr) {
        error = "the bundle " + bundleDir + " offers no print dialog extension";
        return false;
    }
    auto *iunknown = *static_cast<IUnknownVTbl **>(unknown);
    CFUUIDRef interfaceID = CFUUIDCreateFromString(kCFAllocatorDefault, CFSTR(kDialogExtensionIntfIDStr));
    HRESULT result = iunknown->QueryInterface(unknown, CFUUIDGetUUIDBytes(interfaceID), &pane.interfaceRecord);
    CFRelease(interfaceID);
    iunknown->Release(unknown);
    if (result != S_OK || pane.interfaceRecord == nullptr) {
        error = "the plug-in does not answer the print dialog extension interface";
        return false;
    }
    pane.pde = static_cast<const PDEPluginInterface *>(static_cast<PlugInIntf *>(pane.interfaceRecord)->vtable);
    return true;
}

int Run(const Options &options)
{
    if (std::FILE *f = std::fopen(options.ppd.c_str(), "r"))
        std::fclose(f);
    else
        return Fail(2, "cannot read the PPD file " + options.ppd);
    if (options.systemVersion >= 0)
        PMHostSetSystemVersion(SInt32(options.systemVersion));
    if (!options.home.empty())
        PMHostSetUserHomeDirectory(options.home.c_str());

    std::string error;
    LoadedPane pane;
    std::string bundle = options.bundle.empty() ? ExecutableFolder() + "/../ColorOptions.plugin" : options.bundle;
    if (!LoadPane(bundle, pane, error))
        return Fail(1, error);

    PMPrintSession session = PMHostCreateSession();
    CFStringRef ppdPath = MakeString(options.ppd);
    CFStringRef uri = options.deviceURI.empty() ? nullptr : MakeString(options.deviceURI);
    PMHostSessionSetPrinter(session, CFSTR("QV17"), ppdPath, uri);
    if (ppdPath != nullptr)
        CFRelease(ppdPath);
    if (uri != nullptr)
        CFRelease(uri);
    CFMutableDictionaryRef ticket = PMHostTicketGetPPDDict(PMHostSessionGetTicket(session));
    int exitCode = 0;
    if (!options.ticketIn.empty() && !LoadTicket(options.ticketIn, ticket, error))
        exitCode = Fail(2, error);

    PMPDEContext context = nullptr;
    OSType creator = 0;
    CFStringRef kind = nullptr, title = nullptr;
    UInt32 width = 0, height = 0;
    WindowRef window = nullptr;
    ControlRef hostPane = nullptr;
    bool initialized = false;
    if (exitCode == 0 && pane.pde->Prologue(&context, &creator, &kind, &title, &width, &height) != noErr)
        exitCode = Fail(1, "the pane could not start (Prologue failed)");

    if (exitCode == 0) {
        Rect bounds = {0, 0, SInt16(height), SInt16(width)};
        CreateNewWindow(0, 0, &bounds, &window);
        CreateUserPaneControl(window, &bounds, 0, &hostPane);
        PMPDEFlags flags = 0;
        OSStatus status = pane.pde->Initialize(context, &flags, nullptr, hostPane, session);
        initialized = true;
        if (status == -1)
            exitCode = Fail(3, "the PPD " + options.ppd + " is not for the supported printer model (\"ORVEN QV17 PPD\")");
    }

    if (exitCode == 0) {
        // The dialog shows the pane: it is drawn, and the pane's handlers see that.
        ShowWindow(window);
        TKDrawWindow(window);
        for (const std::string &click : options.clicks) {
            std::string name = click;
            SInt32 value = -1;
            size_t eq = click.find('=');
            if (eq != std::string::npos) {
                name = click.substr(0, eq);
                std::string n = click.substr(eq + 1);
                char *end = nullptr;
                long parsed = std::strtol(n.c_str(), &end, 10);
                if (n.empty() || *end != '\0' || parsed < 0 || parsed > 32767) {
                    exitCode = Fail(2, "bad item number in --click " + click);
                    break;
                }
                value = SInt32(parsed);
            }
            ControlRef control = TKFindControlByName(window, name.c_str());
            if (control == nullptr) {
                exitCode = Fail(2, "unknown control '" + name + "'");
                break;
            }
            OSStatus status = TKUserClick(control, value);
            if (status == errInvalidControlForUserInput)
                std::cerr << "colorpane: " << name << " is disabled or hidden; the click did nothing\n";
            else if (status == paramErr)
                std::cerr << "colorpane: " << name << " has no item " << value << "; the click did nothing\n";
        }
    }
    if (exitCode == 0) {
        for (const std::string &command : options.commands)
            TKUserSendCommand(window, CommandCode(command));
        pane.pde->Sync(context, session, 0);

        if (!options.ticketOut.empty()) {
            std::string text = TicketToJSON(ticket).dump(2) + "\n";
            if (options.ticketOut == "-") {
                std::cout << text;
            } else {
                std::ofstream out(options.ticketOut);
                out << text;
                if (!out)
                    exitCode = Fail(2, "cannot write the ticket file " + options.ticketOut);
            }
        }
        if (options.summary) {
            CFArrayRef titles = nullptr, values = nullptr;
            if (pane.pde->GetSummaryText(context, &titles, &values) == noErr && titles != nullptr && values != nullptr) {
                for (CFIndex i = 0; i < CFArrayGetCount(titles) && i < CFArrayGetCount(values); ++i)
                    std::cout << ToStdString(static_cast<CFStringRef>(CFArrayGetValueAtIndex(titles, i))) << '\t'
                              << ToStdString(static_cast<CFStringRef>(CFArrayGetValueAtIndex(values, i))) << '\n';
            } else {
                exitCode = Fail(1, "the pane gave no summary");
            }
            if (titles != nullptr)
                CFRelease(titles);
            if (values != nullptr)
                CFRelease(values);
        }
        if (options.controls)
            PrintControls(hostPane, std::cout);
        if (options.ticketOut != "-" && !options.summary && !options.controls) {
            char code[5] = {char(creator >> 24), char(creator >> 16), char(creator >> 8), char(creator), 0};
            std::cout << "creator: " << code << "\ntitle: " << ToStdString(title) << "\nkind: " << ToStdString(kind)
                      << "\nsize: " << width << " x " << height << "\n";
        }
    }

    if (context != nullptr) {
        if (initialized)
            pane.pde->Close(context);
        pane.pde->Terminate(context, noErr);
    }
    if (window != nullptr)
        DisposeWindow(window);
    void *record = pane.interfaceRecord;
    pane.pde->plugInHeader.Release(&record);
    PMHostReleaseSession(session);
    return exitCode;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    std::string error;
    if (!ParseArguments(argc, argv, options, error)) {
        std::cerr << "colorpane: " << error << "\n" << kUsage;
        return 2;
    }
    return Run(options);
}
