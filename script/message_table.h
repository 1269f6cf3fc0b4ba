// The portable half of the message table: building it from a parsed
// localization file. localization_load (messages.h) reads the file.
#pragma once
#include "script/ini_reader.h"

// Fills the uninstall message list from [LocalizationUninstall] and the
// message table from [LocalizationStub]. An empty file leaves the table
// empty, so that every id gives the empty text.
void messages_build(const IniFile& localization);

// Largest valid id N (the table has N + 1 entries); -1 when it is empty.
int messages_last_id();
