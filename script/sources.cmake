list(APPEND PW_CORE_SOURCES
  script/ini_reader.cpp
  script/numbers.cpp
  script/text_case.cpp
  script/message_table.cpp
  script/script_settings.cpp
  script/placeholder_passes.cpp)
list(APPEND PW_INSTALLER_SOURCES
  script/localization_load.cpp
  script/install_script.cpp
  script/placeholders.cpp)
