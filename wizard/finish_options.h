// The author's optional tasks that the finish page offers as ticked
// check boxes, and the task lines that carry them out.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Splits a task line at the field separator (byte 0xB6); field 1 is the
// task kind. Field n of the result is at index n - 1.
std::vector<std::string> task_fields(const std::string& line);
// Field n (from 1) of a split line; the empty text when it is missing.
const std::string& task_field(const std::vector<std::string>& fields, size_t n);

enum OfferKind { kOfferNone, kOfferRun, kOfferShortcut, kOfferInternetLink };

struct OfferedTask {
    OfferKind kind;
    std::string line;         // rewritten so that the task engine runs it
    std::string link_folder;  // path part of field 4 (shortcut, link)
    std::string description;  // field 6 (run, shortcut)
};

// Whether the line is a [RUN], [SHORTCUT] or [INTERNETLINK] task whose
// field 2, read as a number, is 1. If so, fills the offer: the line keeps
// the kind's own fields, with field 2 (ask) "0" and field 3 (direct) "1".
bool finish_option_offer(const std::string& line, OfferedTask* out);

// Item text of an offer: "Run <description>", "Create shortcut <folder>
// for <description>", "Create internet link <folder>". message(id) gives
// the texts 69 to 72; folder_text is the description of link_folder.
std::string finish_option_item_text(const OfferedTask& offer, const std::string& (*message)(int),
                                    const std::string& folder_text);

static const char kRebootTaskLine[] = "[REBOOT]";
