# 32-bit Windows tree: installer.exe, the Windows-side tests, the UI driver.
set(PW_THIRD_PARTY ${CMAKE_SOURCE_DIR}/third_party/src CACHE PATH "fetched sources")
set(PW_NATIVE_BUILD "" CACHE PATH "native build tree (for the pack tool used by end-to-end tests)")

# Small, static, exception-free executables.
set(PW_WIN_FLAGS -Os -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables)
add_compile_options(${PW_WIN_FLAGS} -Wall)
add_compile_definitions(WINVER=0x0600 _WIN32_WINNT=0x0600 _WIN32_IE=0x0600 NOMINMAX)
set(PW_PRODUCT_CXX_FLAGS -fno-exceptions -fno-rtti -fno-threadsafe-statics)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)

# minizip's unzip part, compiled from the fetched zlib source package.
set(MZ ${PW_THIRD_PARTY}/minizip)
if(NOT EXISTS ${MZ}/unzip.c)
  message(FATAL_ERROR "minizip sources missing in ${MZ}: run scripts/setup-deps.sh")
endif()
add_library(pw_minizip STATIC ${MZ}/unzip.c ${MZ}/ioapi.c ${MZ}/iowin32.c)
target_include_directories(pw_minizip PUBLIC ${PW_THIRD_PARTY})
target_compile_definitions(pw_minizip PRIVATE NOCRYPT NOUNCRYPT)
target_compile_options(pw_minizip PRIVATE -w)
target_link_libraries(pw_minizip PUBLIC z)

add_library(pw_core STATIC ${PW_CORE_SOURCES})
target_include_directories(pw_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(pw_core PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${PW_PRODUCT_CXX_FLAGS}>)

list(TRANSFORM PW_PLATFORM_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
add_library(pw_platform STATIC ${PW_PLATFORM_SOURCES})
target_include_directories(pw_platform PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(pw_platform PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${PW_PRODUCT_CXX_FLAGS}>)
target_link_libraries(pw_platform PUBLIC pw_core pw_minizip
  comctl32 shell32 ole32 oleaut32 uuid advapi32 gdi32 user32 comdlg32 winmm imagehlp)

if(PW_SHARED_SOURCES)
  list(TRANSFORM PW_SHARED_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
  add_library(pw_shared STATIC ${PW_SHARED_SOURCES})
  target_compile_options(pw_shared PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${PW_PRODUCT_CXX_FLAGS}>)
  target_link_libraries(pw_shared PUBLIC pw_platform)
else()
  add_library(pw_shared INTERFACE)
  target_link_libraries(pw_shared INTERFACE pw_platform)
endif()

# The installer's own code, as a library so that Windows-side tests can
# link single pieces of it; main.cpp alone makes the executable.
list(TRANSFORM PW_INSTALLER_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
add_library(pw_installer STATIC ${PW_INSTALLER_SOURCES})
target_compile_options(pw_installer PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${PW_PRODUCT_CXX_FLAGS}>)
target_link_libraries(pw_installer PUBLIC pw_shared)

add_executable(installer WIN32 ${CMAKE_SOURCE_DIR}/startup/main.cpp
  ${CMAKE_SOURCE_DIR}/platform/lean_runtime.cpp ${CMAKE_SOURCE_DIR}/startup/installer.rc)
target_compile_options(installer PRIVATE ${PW_PRODUCT_CXX_FLAGS})
target_link_libraries(installer PRIVATE pw_installer)
target_link_options(installer PRIVATE -s -Wl,-Map=${CMAKE_BINARY_DIR}/installer.map)

# GoogleTest from Debian's plain sources, for the Windows-side tests.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(t gtest gtest_main)
  target_compile_options(${t} PUBLIC -include ${CMAKE_SOURCE_DIR}/tests/support/win32_thread_shim.h)
endforeach()

add_subdirectory(tests/uidriver)
add_subdirectory(tests/wine)
add_subdirectory(tests/e2e)

# The sample payload's program.
add_executable(hello WIN32 ${CMAKE_SOURCE_DIR}/examples/sample/program/hello.cpp)
target_link_options(hello PRIVATE -s)
