// Which way a task operation goes on each operating-system version code.
#pragma once
#include <string>

// Windows 95, 98 and ME (codes 10, 30, 40): no services, environment
// variables in AUTOEXEC.BAT, fonts under the non-NT key.
bool os_is_9x_family(int code);

// Association layouts: the classes-root layout (HKEY_CLASSES_ROOT plus
// the per-user Explorer record) or the machine-classes layout
// (HKEY_LOCAL_MACHINE "Software\Classes\"). The two operations choose
// differently on purpose: associate writes the machine classes on every
// code outside 5, 20, 50, 60, 65; disassociate removes the classes-root
// keys on every code outside the 9x family.
bool associate_uses_classes_root(int code);
bool disassociate_uses_classes_root(int code);

enum EnvironmentStore { kEnvNotHandled, kEnvAutoexec, kEnvRegistry };
EnvironmentStore environment_store(int code);

// Registry key of the installed fonts under HKEY_LOCAL_MACHINE.
const char* fonts_key(int code);

// Path of the registration tool: on NT 4 the drive of the desktop folder
// + "WINNT\System32\", on 98 and ME that drive + "WINDOWS\System\", else
// the system folder; when that is empty the folder of comspec.
std::string regsvr32_path(int code, const std::string& desktop_folder, const std::string& system_folder,
                          const std::string& comspec);

// A process listed with exe_text is one of the wanted name (already
// lower-cased and trimmed): the whole text or its file-name part,
// lower-cased, equals it.
bool process_name_matches(const std::string& exe_text, const std::string& wanted);
