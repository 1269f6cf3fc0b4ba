// The two ways every part of the installer ends the process.
#pragma once

// Releases windows, fonts and icons, then ends the process with code 0.
[[noreturn]] void plain_exit();

// Deletes this run's working folder (when one exists), then plain_exit.
[[noreturn]] void cleanup_exit();

// Error box (title "Error", type 16) followed by the cleanup exit; used by
// the messages shown before a language is chosen.
[[noreturn]] void fail_with_cleanup(const char* text);
[[noreturn]] void fail_with_plain_exit(const char* text);
