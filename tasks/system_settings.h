// Fonts, system environment variables and INI files.
#pragma once
#include <string>

#include "platform/system.h"

// os_code: the operating-system version code the operation branches on;
// this system's own unless a caller passes another.

// Registers the font where it lies, copies it into the fonts folder
// ("windir" + "\Fonts\", overwriting) and records it under the fonts key.
// 1 installed; a font the system rejects copies and records nothing.
int install_font(const std::string& font_file, const std::string& font_name,
                 int os_code = os_version_code());

// On the NT family the variable is a value of the system environment key;
// on 95, 98 and ME a "SET" line of AUTOEXEC.BAT in the root of the
// temporary folder's drive; on other systems nothing is done (0).
// *was_new (may be null) tells whether the name was not set before, so
// that only a variable this installation made is taken away again.
int set_environment_variable(const std::string& name, const std::string& value, bool* was_new = nullptr,
                             int os_code = os_version_code());
int delete_environment_variable(const std::string& name, int os_code = os_version_code());

// The four INI operations; nonzero on success.
int add_ini_group(const std::string& group, const std::string& file);  // an existing group loses its keys
int add_ini_key(const std::string& group, const std::string& key, const std::string& value, const std::string& file);
int remove_ini_group(const std::string& group, const std::string& file);
int remove_ini_key(const std::string& group, const std::string& key, const std::string& file);
