list(APPEND PW_CORE_SOURCES
  script/ini_reader.cpp
  script/numbers.cpp)
