// Extension association: registers an executable as the program that
// opens files of one extension, and removes that registration. The
// registry layout depends on the operating-system version code (see
// os_branches.h). Both always return 1; single writes that fail are
// skipped silently.
#pragma once
#include <string>

#include "platform/system.h"

// os_code: the operating-system version code the operation branches on;
// this system's own unless a caller passes another.

// extension without its dot (used unchanged); icon_text is the icon
// location ("path,index"), not written when empty; an empty description
// writes neither the extension key nor the class on the classes-root
// layout.
int associate(const std::string& extension, const std::string& description,
              const std::string& executable, const std::string& icon_text, int os_code = os_version_code());

// program is the executable's file name (no folder).
int disassociate(const std::string& extension, const std::string& program, int os_code = os_version_code());
