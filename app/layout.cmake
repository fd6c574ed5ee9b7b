# The main window's stored layout as the executable carries it: the source
# (Unit1.layout) with the two internal skin packages filled in, written into
# the build tree whenever the source or a package changes. The target
# form1_layout makes it; its property GK_FORM1_LAYOUT holds the path, for
# the window (which embeds it) and for the layout benchmarks.
set(GK_FORM1_LAYOUT_SOURCE ${CMAKE_CURRENT_LIST_DIR}/Unit1.layout)
if(NOT EXISTS ${GK_FORM1_LAYOUT_SOURCE})
  message(FATAL_ERROR "the main window's layout ${GK_FORM1_LAYOUT_SOURCE} is missing")
endif()
set(GK_FORM1_LAYOUT ${CMAKE_CURRENT_BINARY_DIR}/Unit1.layout)
set(gk_fill_script ${CMAKE_CURRENT_LIST_DIR}/FillSkinPackages.cmake)
add_custom_command(
  OUTPUT ${GK_FORM1_LAYOUT}
  COMMAND ${CMAKE_COMMAND}
          -DSOURCE=${GK_FORM1_LAYOUT_SOURCE}
          -DOUTPUT=${GK_FORM1_LAYOUT}
          "-DPACKAGES=GK_INTERNAL_SKIN_GLACIER;GK_INTERNAL_SKIN_EMBER"
          -DGK_INTERNAL_SKIN_GLACIER=${GK_INTERNAL_SKIN_GLACIER}
          -DGK_INTERNAL_SKIN_EMBER=${GK_INTERNAL_SKIN_EMBER}
          -P ${gk_fill_script}
  DEPENDS ${GK_FORM1_LAYOUT_SOURCE} ${gk_fill_script} ${GK_INTERNAL_SKIN_GLACIER} ${GK_INTERNAL_SKIN_EMBER}
  COMMENT "Filling the internal skins into the main window's layout"
  VERBATIM)
add_custom_target(form1_layout DEPENDS ${GK_FORM1_LAYOUT})
# The packages come from another folder's commands: order by target too.
add_dependencies(form1_layout internal_skins)
set_target_properties(form1_layout PROPERTIES GK_FORM1_LAYOUT ${GK_FORM1_LAYOUT})
