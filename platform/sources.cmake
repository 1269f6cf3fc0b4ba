list(APPEND PW_PLATFORM_SOURCES
  platform/files.cpp
  platform/system.cpp
  platform/ui.cpp)
