# Wizard: portable rules (size text, gradient, folder descriptions,
# finish options, navigation, requirement decisions) and the Win32 pages,
# background window and requirement checks.
list(APPEND PW_CORE_SOURCES
  wizard/size_text.cpp
  wizard/gradient.cpp
  wizard/folder_description.cpp
  wizard/finish_options.cpp
  wizard/navigation.cpp
  wizard/requirement_rules.cpp)
list(APPEND PW_INSTALLER_SOURCES
  wizard/wizard.cpp
  wizard/requirements.cpp
  wizard/setup_data.cpp
  wizard/background_window.cpp
  wizard/wizard_window.cpp
  wizard/pages.cpp
  wizard/finish_page.cpp
  wizard/wizard_events.cpp)
