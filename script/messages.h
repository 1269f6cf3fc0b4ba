// The message table (the installer's texts of the chosen language) and
// the uninstall message list that travels into the uninstall script.
#pragma once
#include <string>
#include <vector>

#include "script/ini_reader.h"

// Loads [LocalizationUninstall] into the uninstall message list and
// [LocalizationStub] into the message table. Shows the built-in error and
// ends through the cleanup exit when the file cannot be opened.
void localization_load(const std::string& path);

// Text of message id; the empty text for an id outside the table.
const std::string& Message(int id);

// Replaces $APPNAME$ and $APPVERSION$ (any letter case) in every message.
void messages_substitute_app(const std::string& name, const std::string& version);

// {key, text} of [LocalizationUninstall], in file order, as read.
extern std::vector<IniKey> g_uninstall_messages;
