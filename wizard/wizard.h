// The wizard: the installer's main window and the last stage of the main
// thread.
#pragma once
#include <string>

#include "platform/ui.h"

// Loads the messages, checks the machine, reads the install script,
// builds the window with all seven pages and runs it. Never returns:
// every way out ends the process.
[[noreturn]] void wizard_run(const std::string& localization_file);

// Shows the page (0 welcome ... 6 finish) and sets the buttons for it.
void wizard_page_switch(int page);

// An element of the wizard window by its id; null when it does not exist.
PlatformWindow wizard_element(int id);

// The group folder taken from element 204 at the last Next.
const std::string& wizard_group_folder();
