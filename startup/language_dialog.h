// The language dialog (window 2): the user picks the installation's
// language when the setup data offers more than one.
#pragma once
#include <string>

// Returns the chosen localization file path (empty when no entry
// matched); ends the process on an empty list or a confirmed cancel.
std::string language_dialog();
