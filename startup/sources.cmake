list(APPEND PW_CORE_SOURCES
  startup/trailer.cpp
  startup/archive_names.cpp
  startup/version_code.cpp
  startup/language_choice.cpp
  startup/random_numbers.cpp)
list(APPEND PW_INSTALLER_SOURCES
  startup/exits.cpp
  startup/package_files.cpp
  startup/preparation.cpp
  startup/language_dialog.cpp
  startup/handover.cpp
  startup/startup.cpp)
