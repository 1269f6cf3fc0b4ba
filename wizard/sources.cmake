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
