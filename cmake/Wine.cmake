# The Windows configuration's programs run under Wine: its tests through
# CTest, its benchmarks by hand (scripts/wine.sh). Both use the private Wine
# prefix that scripts/setup.sh prepares in build/wine, never the user's own
# ~/.wine, and keep Wine quiet: no debug output, no offer to install Mono or
# Gecko.
set(GK_WINEPREFIX ${CMAKE_SOURCE_DIR}/build/wine)
# GK_WINE_ENV runs a command in that environment (a test script that starts
# Windows programs itself); GK_WINE runs a Windows program.
set(GK_WINE_ENV ${CMAKE_COMMAND} -E env WINEPREFIX=${GK_WINEPREFIX} WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
set(GK_WINE ${GK_WINE_ENV} wine)
if(WIN32)
  # Wine is looked up when a test runs, not here: the build itself needs none.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GK_WINE})
endif()

# gk_wine_path(<out> <path>): a path of the build machine as the programs of
# this configuration see it. Wine maps the Unix root to drive Z:.
function(gk_wine_path out path)
  if(WIN32)
    set(${out} "Z:${path}" PARENT_SCOPE)
  else()
    set(${out} "${path}" PARENT_SCOPE)
  endif()
endfunction()
