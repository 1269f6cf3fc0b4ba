#include "wizard/requirement_rules.h"

bool free_space_enough(int64_t free_bytes, uint64_t required) {
    // A failed query (-1) is below every required size, 0 included.
    if (free_bytes < 0) return false;
    return (uint64_t)free_bytes >= required;
}

int windows_version_refusal(int os_code, const ScriptSettings& s) {
    if (os_code == 10 || os_code == 5) return kMsgOsUnsupported;
    const auto& g = s.GeneralInformation;
    const std::string* key = nullptr;
    switch (os_code) {
        case 20: key = &g.WNT; break;
        case 30: key = &g.W98; break;
        case 40: key = &g.WME; break;
        case 50: key = &g.W2K; break;
        case 60: key = &g.WXP; break;
        case 65: key = &g.WSV2003; break;
        case 70: key = &g.WV; break;
        case 75: key = &g.WSV2008; break;
        default: return 0;
    }
    return *key == "0" ? kMsgOsExcluded : 0;
}

const char* framework_version_text(const std::string& dot_net) {
    if (dot_net == "1") return "1.0";
    if (dot_net == "2") return "1.1";
    if (dot_net == "3") return "2.0";
    if (dot_net == "4") return "3.0";
    if (dot_net == "5") return "3.5";
    return nullptr;
}

static std::string lower(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
    return out;
}

std::string dependency_address(const std::string& value) {
    if (value.empty() || lower(value) == "http://") return std::string();
    if (lower(value.substr(0, 7)) != "http://") return "http://" + value;
    return value;
}

static std::string trim_blanks(const std::string& s) {
    size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return std::string();
    size_t b = s.find_last_not_of(' ');
    return s.substr(a, b - a + 1);
}

std::string framework_folder_version(const std::string& folder_name) {
    if (folder_name.size() < 2) return std::string();
    return trim_blanks(folder_name.substr(1, 3));
}
