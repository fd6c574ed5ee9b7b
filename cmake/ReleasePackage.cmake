# What a user downloads: the folder CoordConverter-<version>-win64 holding
# both programs, the two internal skins as packages for anyone who wants to
# edit them, and the read-me. The target release_package lays it out in
# <build>/package/; scripts/release.sh fixes its dates and modes and zips it.

set(GK_PACKAGE_NAME CoordConverter-${PROJECT_VERSION}-win64)
set(GK_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package/${GK_PACKAGE_NAME})

# The read-me in UTF-8 with a byte order mark and CRLF line ends: Notepad on
# Windows 7 takes a file without the mark for the ANSI code page.
set(gk_readme_template ${CMAKE_CURRENT_LIST_DIR}/windows/ReadMe.txt.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${gk_readme_template})
file(READ ${gk_readme_template} gk_readme)
string(ASCII 239 187 191 gk_bom)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/ReadMe.txt CONTENT "${gk_bom}${gk_readme}" @ONLY NEWLINE_STYLE CRLF)

add_custom_target(release_package
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/package
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GK_PACKAGE_DIR}/Skins
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:CoordConverter> $<TARGET_FILE:gkconv> ${GK_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${GK_INTERNAL_SKIN_EMBER} ${GK_INTERNAL_SKIN_GLACIER} ${GK_PACKAGE_DIR}/Skins
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/ReadMe.txt ${GK_PACKAGE_DIR}/ReadMe.txt
  DEPENDS CoordConverter gkconv internal_skins ${CMAKE_BINARY_DIR}/ReadMe.txt
  COMMENT "Laying out ${GK_PACKAGE_NAME}"
  VERBATIM)
