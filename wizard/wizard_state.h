// Process-wide state of the wizard, kept for the whole run.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing.h"
#include "platform/ui.h"
#include "wizard/elements.h"

struct FinishOption {
    int item;          // position of its tree item
    std::string name;  // task name
    std::string line;  // task line the task engine runs
};

struct WizardState {
    int current_page;
    uint64_t required_size;  // from the statistics file
    char* license_text;      // whole License.txt, when the script asks for it
    size_t license_length;
    char* readme_text;       // whole ReadMe.txt, likewise
    size_t readme_length;
    std::string group_folder;  // text of element 204, taken on every Next
    std::vector<FinishOption> finish_options;
    int finish_option_counter;
    PlatformBitmap images[17];  // 10 side image, 11 header, 12..16 titled headers
    PlatformBitmap white_panel;
    PlatformWindow background;  // window 3, null when not asked for
    PlatformWindow window;      // window 0
    PlatformWindow elements[kElementCount];
};

extern WizardState g_wizard;

// Error box with message 0 as title and the message as text, then the
// cleanup exit.
[[noreturn]] void wizard_fail(int message_id);
