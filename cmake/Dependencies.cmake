# Third-party libraries come from Debian's packages (native) or from the MinGW
# builds that scripts/setup.sh prepares (Windows); nothing is vendored.

set(GK_DEPS_DIR ${CMAKE_SOURCE_DIR}/build/deps CACHE PATH "Dependencies built by scripts/setup.sh")

# GoogleTest: Debian ships its sources, built here with the active toolchain.
set(GK_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${GK_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL SYSTEM)

if(WIN32)
  find_library(GK_ZLIB NAMES libz.a z REQUIRED)
  add_library(gk_zlib INTERFACE)
  target_link_libraries(gk_zlib INTERFACE ${GK_ZLIB})

  set(GK_JPEG_PREFIX ${GK_DEPS_DIR}/libjpeg-turbo-mingw)
  if(NOT EXISTS ${GK_JPEG_PREFIX}/lib/libjpeg.a)
    message(FATAL_ERROR "libjpeg-turbo for MinGW is missing; run scripts/setup.sh")
  endif()
  add_library(gk_jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(gk_jpeg PROPERTIES
    IMPORTED_LOCATION ${GK_JPEG_PREFIX}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${GK_JPEG_PREFIX}/include)
else()
  find_package(ZLIB REQUIRED)
  add_library(gk_zlib INTERFACE)
  target_link_libraries(gk_zlib INTERFACE ZLIB::ZLIB)

  find_package(JPEG REQUIRED)
  add_library(gk_jpeg INTERFACE)
  target_link_libraries(gk_jpeg INTERFACE JPEG::JPEG)

  # PROJ and Google Benchmark are native peers for tests and benchmarks only.
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(PROJ REQUIRED IMPORTED_TARGET proj)
  find_package(benchmark REQUIRED)
endif()

# CLI11 (header-only, Debian's libcli11-dev) parses gkconv's command line.
# The cross compiler must not see the build machine's /usr/include, so the
# MinGW build gets a folder of its own holding only CLI11's header folder.
set(GK_CLI11_HEADERS /usr/include/CLI CACHE PATH "CLI11's header folder (libcli11-dev)")
if(NOT EXISTS ${GK_CLI11_HEADERS}/CLI.hpp)
  message(FATAL_ERROR "CLI11 is missing (${GK_CLI11_HEADERS}/CLI.hpp); run scripts/setup.sh")
endif()
add_library(gk_cli11 INTERFACE)
if(WIN32)
  set(GK_CLI11_ROOT ${CMAKE_BINARY_DIR}/_deps/cli11-include)
  file(MAKE_DIRECTORY ${GK_CLI11_ROOT})
  file(CREATE_LINK ${GK_CLI11_HEADERS} ${GK_CLI11_ROOT}/CLI SYMBOLIC)
  target_include_directories(gk_cli11 SYSTEM INTERFACE ${GK_CLI11_ROOT})
else()
  find_package(CLI11 CONFIG REQUIRED)
  target_link_libraries(gk_cli11 INTERFACE CLI11::CLI11)
endif()
