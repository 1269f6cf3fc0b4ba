// Hand-over from startup to the wizard with the chosen localization file.
#pragma once
#include <string>

[[noreturn]] void wizard_handover(const std::string& localization_file);
