// Opening documents and web addresses through the shell, and telling the
// shell that associations changed.
#pragma once
#include <string>

// ShellExecuteExA with the target as the file and the default verb.
bool shell_open(const std::string& target);

// SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, no items).
void shell_notify_associations_changed();
