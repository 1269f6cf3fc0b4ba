#include "wizard/finish_options.h"

#include "script/numbers.h"
#include "wizard/folder_description.h"

static const char kFieldSeparator = (char)0xB6;

std::vector<std::string> task_fields(const std::string& line) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t end = line.find(kFieldSeparator, start);
        out.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return out;
}

const std::string& task_field(const std::vector<std::string>& fields, size_t n) {
    static const std::string empty;
    return (n >= 1 && n <= fields.size()) ? fields[n - 1] : empty;
}

// The kind, "0", "1", then the fields 4 to last of the author's line.
static std::string rewrite(const std::vector<std::string>& f, const char* kind, size_t last) {
    std::string line = kind;
    line += kFieldSeparator;
    line += '0';
    line += kFieldSeparator;
    line += '1';
    for (size_t n = 4; n <= last; ++n) {
        line += kFieldSeparator;
        line += task_field(f, n);
    }
    return line;
}

bool finish_option_offer(const std::string& line, OfferedTask* out) {
    std::vector<std::string> f = task_fields(line);
    const std::string& kind = task_field(f, 1);
    OfferKind k = kOfferNone;
    if (kind == "[RUN]") k = kOfferRun;
    else if (kind == "[SHORTCUT]") k = kOfferShortcut;
    else if (kind == "[INTERNETLINK]") k = kOfferInternetLink;
    if (k == kOfferNone || read_number(task_field(f, 2)) != 1) return false;
    out->kind = k;
    out->link_folder.clear();
    out->description.clear();
    if (k == kOfferRun) {
        out->line = rewrite(f, "[RUN]", 8);
        out->description = task_field(f, 6);
    } else if (k == kOfferShortcut) {
        out->line = rewrite(f, "[SHORTCUT]", 7);
        out->link_folder = path_part(task_field(f, 4));
        out->description = task_field(f, 6);
    } else {
        out->line = rewrite(f, "[INTERNETLINK]", 5);
        out->link_folder = path_part(task_field(f, 4));
    }
    return true;
}

std::string finish_option_item_text(const OfferedTask& offer, const std::string& (*message)(int),
                                    const std::string& folder_text) {
    switch (offer.kind) {
        case kOfferRun:
            return message(69) + " " + offer.description;
        case kOfferShortcut:
            return message(70) + " " + folder_text + " " + message(71) + " " + offer.description;
        case kOfferInternetLink:
            return message(72) + " " + folder_text;
        default:
            return std::string();
    }
}
