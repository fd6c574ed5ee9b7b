# The converter's window: the form with its stored layout (the generated
# copy with the internal skins, layout.cmake, built into the executable as
# the RCDATA resource TFORM1), the program's icon (MAINICON, the broom of the
# clear-all button, app/MakeBroomGlyph.py --icon) and the start-up sequence.
# An object library, so the resources reach every executable that links it
# (the product, the window tests, the start-up benchmark).
set(GK_FORM1_RC ${CMAKE_CURRENT_BINARY_DIR}/Unit1.rc)
set(GK_ICON ${CMAKE_CURRENT_LIST_DIR}/CoordConverter.ico)
file(CONFIGURE OUTPUT ${GK_FORM1_RC}
     CONTENT "TFORM1 RCDATA \"${GK_FORM1_LAYOUT}\"\nMAINICON ICON \"${GK_ICON}\"\n" @ONLY)
set_source_files_properties(${GK_FORM1_RC} PROPERTIES OBJECT_DEPENDS "${GK_FORM1_LAYOUT};${GK_ICON}")

add_library(app_window OBJECT
  ${CMAKE_CURRENT_LIST_DIR}/Unit1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConverterStartup.cpp
  ${GK_FORM1_RC})
add_dependencies(app_window form1_layout)
target_include_directories(app_window PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
# The skin manager of the window, the skinned controls, the skin engine they
# start, and the skin provider that draws the window's frame.
target_link_libraries(app_window PUBLIC tk_win app_core skin_data skin_controls skin_forms)

add_executable(CoordConverter WIN32 ${CMAKE_CURRENT_LIST_DIR}/WinMain.cpp)
target_link_options(CoordConverter PRIVATE -municode)
target_link_libraries(CoordConverter PRIVATE app_window)
gk_windows_program(CoordConverter
  DESCRIPTION_ZH "坐标转换（经纬度与高斯平面坐标）"
  DESCRIPTION_EN "Gauss–Krüger coordinate converter")
