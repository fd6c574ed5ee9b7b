# The tool itself. Replaced by the real main window as the toolkit lands.
add_executable(CoordConverter WIN32 WinMain.cpp)
target_link_options(CoordConverter PRIVATE -municode)
target_link_libraries(CoordConverter PRIVATE tk_core)
