#include "script/placeholder_passes.h"

#include "script/placeholders.h"
#include "script/settings.h"
#include "script/text_case.h"

std::string g_install_path;
std::string g_group_folder;

// Folder placeholders in the order one pass replaces them.
enum FolderRow {
    kProgramFiles, kRootPartition, kWindows, kSystem, kPureBasic, kAllUsersQuickLaunch, kQuickLaunch,
    kAllUsersStartPrograms, kStartPrograms, kAllUsersDesktop, kDesktop, kAllUsersStart, kStart,
    kAllUsersDocuments, kDocuments, kTemp, kDefaultInstallPath, kDefaultStartMenuGroup, kFolderRows
};

static const char* const kFolderNames[kFolderRows] = {
    "<ProgramFiles>", "<RootPartition>", "<Windows>", "<System>", "<PureBasic>", "<AllUsersQuickLaunch>",
    "<QuickLaunch>", "<AllUsersStartPrograms>", "<StartPrograms>", "<AllUsersDesktop>", "<Desktop>",
    "<AllUsersStart>", "<Start>", "<AllUsersDocuments>", "<Documents>", "<Temp>", "<DefaultInstallPath>",
    "<DefaultStartMenuGroup>"};

// Rows of the special folder by index 0..17.
static const FolderRow kIndexRows[18] = {
    kProgramFiles, kRootPartition, kDefaultInstallPath, kWindows, kSystem, kPureBasic,
    kAllUsersQuickLaunch, kQuickLaunch, kAllUsersStartPrograms, kStartPrograms, kAllUsersDesktop, kDesktop,
    kAllUsersStart, kStart, kAllUsersDocuments, kDocuments, kTemp, kDefaultStartMenuGroup};

// CSIDL numbers used by the folder table.
enum {
    kCsidlPrograms = 2, kCsidlPersonal = 5, kCsidlStartMenu = 11, kCsidlDesktopDirectory = 16,
    kCsidlCommonStartMenu = 22, kCsidlCommonPrograms = 23, kCsidlCommonDesktopDirectory = 25,
    kCsidlAppData = 26, kCsidlCommonAppData = 35, kCsidlWindows = 36, kCsidlSystem = 37,
    kCsidlProgramFiles = 38, kCsidlCommonDocuments = 46
};

static const char kQuickLaunchTail[] = "Microsoft\\Internet Explorer\\Quick Launch\\";

static bool ends_with_backslash(const std::string& s) {
    return !s.empty() && s[s.size() - 1] == '\\';
}

// The drive root: the first three characters of the desktop folder.
static std::string root(const FolderSource& src) {
    return src.shell_folder(kCsidlDesktopDirectory).substr(0, 3);
}

static std::string folder_value(FolderRow row, const FolderSource& src) {
    int code = src.os_code;
    bool nine_x = code == 30 || code == 40;  // Windows 98 and ME
    switch (row) {
    case kProgramFiles:
        if (code >= 50) return src.shell_folder(kCsidlProgramFiles);
        {
            std::string r = root(src);
            if (!ends_with_backslash(r)) r += '\\';
            return r + "Program Files\\";
        }
    case kRootPartition:
        if (code >= 50) return src.shell_folder(kCsidlWindows).substr(0, 3);
        return root(src);
    case kWindows:
        if (nine_x) return root(src) + "WINDOWS\\";
        if (code == 20) return root(src) + "WINNT\\";
        return src.shell_folder(kCsidlWindows);
    case kSystem:
        if (nine_x) return root(src) + "WINDOWS\\System32\\";
        if (code == 20) return root(src) + "WINNT\\System32\\";
        return src.shell_folder(kCsidlSystem);
    case kPureBasic:
        return src.registration_folder();
    case kAllUsersQuickLaunch:
        return src.shell_folder(nine_x ? kCsidlAppData : kCsidlCommonAppData) + kQuickLaunchTail;
    case kQuickLaunch:
        return src.shell_folder(kCsidlAppData) + kQuickLaunchTail;
    case kAllUsersStartPrograms:
        return src.shell_folder(nine_x ? kCsidlPrograms : kCsidlCommonPrograms);
    case kStartPrograms:
        return src.shell_folder(kCsidlPrograms);
    case kAllUsersDesktop:
        return src.shell_folder(nine_x ? kCsidlDesktopDirectory : kCsidlCommonDesktopDirectory);
    case kDesktop:
        return src.shell_folder(kCsidlDesktopDirectory);
    case kAllUsersStart:
        return src.shell_folder(nine_x ? kCsidlStartMenu : kCsidlCommonStartMenu);
    case kStart:
        return src.shell_folder(kCsidlStartMenu);
    case kAllUsersDocuments:
        return src.shell_folder(nine_x ? kCsidlPersonal : kCsidlCommonDocuments);
    case kDocuments:
        return src.shell_folder(kCsidlPersonal);
    case kTemp:
        return src.temp_folder();
    case kDefaultInstallPath:
        return g_install_path;
    case kDefaultStartMenuGroup:
        return g_group_folder;
    default:
        return std::string();
    }
}

// One placeholder of a pass: an empty value, or one that would grow the
// text past the limit, leaves the placeholder in the text.
static bool replace_one(std::string* text, const char* name, const std::string& value) {
    if (value.empty()) return false;
    std::string out;
    if (!replace_all_nocase(*text, name, value, &out, kExpansionLimit)) return false;
    text->swap(out);
    return true;
}

std::string folder_pass(const std::string& text, const FolderSource& src) {
    std::string t = text;
    for (int row = 0; row < kFolderRows; ++row) {
        if (!contains_nocase(t, kFolderNames[row])) continue;
        bool replaced = replace_one(&t, kFolderNames[row], folder_value((FolderRow)row, src));
        // Before Windows 2000 the root placeholder leaves a text that
        // ends in "\", since it may stand alone as a folder.
        if (replaced && row == kRootPartition && src.os_code < 50 && !ends_with_backslash(t)) t += '\\';
    }
    return t;
}

std::string placeholders_text_pass(const std::string& text) {
    const auto& g = g_script.GeneralInformation;
    const char* const names[5] = {"<ProgramName>", "<ProgramVersion>", "<CompanyName>", "<CompanyWebsite>",
                                  "<SupportEmail>"};
    const std::string* values[5] = {&g.AppName, &g.Version, &g.CompanyName, &g.Website, &g.Email};
    std::string t = text;
    for (int i = 0; i < 5; ++i)
        if (contains_nocase(t, names[i])) replace_one(&t, names[i], *values[i]);
    return t;
}

std::string backslash_collapse(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') ++i;
    }
    // A network path keeps the two backslashes it starts with.
    if (text.compare(0, 2, "\\\\") == 0 && out.compare(0, 2, "\\\\") != 0) out.insert(out.begin(), '\\');
    return out;
}

std::string expand_placeholders(const std::string& text, const FolderSource& src) {
    std::string t = text;
    // A value may itself hold placeholders, resolved on the next pass; a
    // "<" or ">" of no placeholder runs all passes without harm.
    for (int pass = 0; pass < 16; ++pass) {
        if (t.find_first_of("<>") == std::string::npos) break;
        t = placeholders_text_pass(folder_pass(t, src));
    }
    return backslash_collapse(t);
}

std::string folder_by_index(int index, const FolderSource& src) {
    if (index < 0 || index > 17) return "\\";
    std::string t = folder_pass(kFolderNames[kIndexRows[index]], src);
    if (!ends_with_backslash(t)) t += '\\';
    return t;
}

std::string shell_path_finish(const std::string& path) {
    std::string p = path;
    if (!p.empty() && !ends_with_backslash(p)) p += '\\';
    size_t first = p.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    size_t last = p.find_last_not_of(' ');
    return p.substr(first, last - first + 1);
}

RegistrationKey registration_key(int os_code) {
    static const char kApplications[] = "Applications\\PureBasic.exe\\shell\\open\\command";
    static const char kClasses[] = "Software\\Classes\\PureBasic.exe\\shell\\open\\command";
    switch (os_code) {
    case 5: case 20: case 50: case 60: case 65:
        return {0x80000000u, kApplications};  // HKEY_CLASSES_ROOT
    case 10: case 30: case 40:
        return {0x80000002u, kClasses};       // HKEY_LOCAL_MACHINE
    default:
        return {0x80000001u, kClasses};       // HKEY_CURRENT_USER: 70, 75, 100
    }
}

std::string registration_folder_from(const std::string& command) {
    size_t open = command.find('"');
    if (open == std::string::npos) return std::string();
    size_t close = command.find('"', open + 1);
    std::string path = command.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    size_t slash = path.rfind('\\');
    // A bare program name has no folder; "\" alone would name the root
    // of whatever drive is current.
    if (slash == std::string::npos) return std::string();
    return path.substr(0, slash + 1);
}
