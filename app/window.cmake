# The converter's window: the form with its stored layout (the generated
# copy with the internal skins, layout.cmake, built into the executable as
# the RCDATA resource TFORM1), the program's icon (MAINICON, the broom of the
# clear-all button, app/MakeBroomGlyph.py --icon) and the start-up sequence.
# An object library, so the resources reach every executable that links it
# (the product, the window tests, the start-up benchmark).
enable_language(RC)
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
# The skin manager of the window, the skinned controls, and the skin engine they start.
target_link_libraries(app_window PUBLIC tk_win app_core skin_data skin_controls)

# Under Wine the debug sections of an executable count in its working set
# (measured: 42 MB instead of 26 MB at the first paint). The executables
# that ship or stand in for the product keep their debug information beside
# them, in <name>.exe.debug, linked by name for debuggers.
function(gk_split_debug_info target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}> $<TARGET_FILE_NAME:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug
            $<TARGET_FILE_NAME:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

add_executable(CoordConverter WIN32 ${CMAKE_CURRENT_LIST_DIR}/WinMain.cpp)
target_link_options(CoordConverter PRIVATE -municode)
target_link_libraries(CoordConverter PRIVATE app_window)
gk_split_debug_info(CoordConverter)
