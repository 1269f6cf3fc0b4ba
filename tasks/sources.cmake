# Task operations: portable line and path rules in the core, the Win32
# operations shared by the installer and the uninstaller.
list(APPEND PW_CORE_SOURCES
  tasks/path_parts.cpp
  tasks/autoexec_lines.cpp
  tasks/os_branches.cpp)
list(APPEND PW_SHARED_SOURCES
  tasks/registry_tasks.cpp
  tasks/file_tasks.cpp
  tasks/links.cpp
  tasks/associations.cpp
  tasks/services.cpp
  tasks/programs.cpp
  tasks/system_settings.cpp)
