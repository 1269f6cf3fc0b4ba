# Every .cpp of platform/ belongs to the Win32 layer, except the runtime
# stubs that each executable links directly.
file(GLOB _pw_platform CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/platform/*.cpp)
list(REMOVE_ITEM _pw_platform platform/lean_runtime.cpp)
list(APPEND PW_PLATFORM_SOURCES ${_pw_platform})
