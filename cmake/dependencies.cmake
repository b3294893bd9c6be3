# Third-party code, installed by scripts/setup and called, never copied in.

# TinyXML 2.6.2 from Debian's source package, fetched into .deps/tinyxml.
set(TINYXML_DIR ${CMAKE_SOURCE_DIR}/.deps/tinyxml)
if(NOT EXISTS ${TINYXML_DIR}/tinyxml.cpp)
  message(FATAL_ERROR "TinyXML source missing: run scripts/setup (or scripts/fetch-tinyxml)")
endif()
add_library(tinyxml STATIC
  ${TINYXML_DIR}/tinyxml.cpp ${TINYXML_DIR}/tinystr.cpp
  ${TINYXML_DIR}/tinyxmlerror.cpp ${TINYXML_DIR}/tinyxmlparser.cpp)
target_include_directories(tinyxml SYSTEM PUBLIC ${TINYXML_DIR})
target_compile_options(tinyxml PRIVATE -w)

# zlib for MinGW (libz-mingw-w64-dev), linked statically.
find_library(ZLIB_STATIC_LIB NAMES libz.a REQUIRED)
find_path(ZLIB_INCLUDE zlib.h REQUIRED)
add_library(zlib_static INTERFACE)
target_link_libraries(zlib_static INTERFACE ${ZLIB_STATIC_LIB})
target_include_directories(zlib_static INTERFACE ${ZLIB_INCLUDE})

# GoogleTest from Debian's googletest sources, built with our compilers.
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
