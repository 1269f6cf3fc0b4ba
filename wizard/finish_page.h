// The finish page's options: the author's optional tasks, offered as
// ticked check boxes, and running the ones left ticked.
#pragma once

// Builds the option tree from the install-task list (whose lines get the
// text placeholders filled in) and the restart option.
void finish_options_build();

// Runs the ticked options, writes the uninstall record when asked,
// notifies the shell and ends through the cleanup exit.
[[noreturn]] void finish_page_complete();
