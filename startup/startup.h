// Process entry and the main thread's flow up to the wizard.
#pragma once

[[noreturn]] void startup_run();

// Text shown when the user cancels before the wizard; shared by the
// please-wait window and the language dialog.
extern const char kStartupCancelQuestion[];
