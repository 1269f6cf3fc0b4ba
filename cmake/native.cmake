# Native Linux tree: the portable core, the pack tool, the native tests.
option(PW_SANITIZE "Build the native tree with ASan and UBSan" ON)
if(PW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)

add_library(pw_core STATIC ${PW_CORE_SOURCES})
target_include_directories(pw_core PUBLIC ${CMAKE_SOURCE_DIR})

find_package(ZLIB REQUIRED)
find_path(MINIZIP_INCLUDE_DIR minizip/zip.h REQUIRED)
find_library(MINIZIP_LIBRARY minizip REQUIRED)

add_subdirectory(tools/pack)
add_subdirectory(tests/native)
add_subdirectory(tests/fuzz)
