# Third-party libraries come from Debian's packages (native) or from the MinGW
# builds that scripts/setup.sh prepares (Windows); nothing is vendored.
#
# zlib and libjpeg are the product's own. GoogleTest, PROJ (the reference
# peer of the projection tests and benchmarks) and Google Benchmark serve the
# tests and benchmarks only: the libraries and the product configure without
# them when GK_TESTS and GK_BENCHMARKS are off. When a folder that needs one
# is configured, a missing one is an error that names its package.

set(GK_DEPS_DIR ${CMAKE_SOURCE_DIR}/build/deps CACHE PATH "Dependencies built by scripts/setup.sh")

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

# GoogleTest: Debian ships its sources, built here with the active toolchain.
macro(gk_use_googletest)
  set(GK_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
  if(NOT EXISTS ${GK_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's sources (Debian package googletest) are missing in ${GK_GTEST_SOURCE}")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${GK_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL SYSTEM)
endmacro()

# PkgConfig::PROJ, for the folders that compare with PROJ (native only).
function(gk_use_proj)
  if(TARGET PkgConfig::PROJ)
    return()
  endif()
  find_package(PkgConfig)
  if(PKG_CONFIG_FOUND)
    pkg_check_modules(PROJ IMPORTED_TARGET GLOBAL proj)
  endif()
  if(NOT TARGET PkgConfig::PROJ)
    message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR} compares with PROJ, which is missing "
                        "(Debian packages pkg-config and libproj-dev; scripts/setup.sh installs them)")
  endif()
endfunction()

# benchmark::benchmark and benchmark::benchmark_main (native only).
function(gk_use_benchmark)
  if(TARGET benchmark::benchmark)
    return()
  endif()
  find_package(benchmark QUIET GLOBAL)
  if(NOT TARGET benchmark::benchmark)
    message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR} needs Google Benchmark, which is missing "
                        "(Debian package libbenchmark-dev; scripts/setup.sh installs it)")
  endif()
endfunction()
