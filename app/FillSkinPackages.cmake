# Writes the main window's layout with its internal skins in it: every
# placeholder {@NAME@} of the layout source becomes the bytes of the package
# file given as -DNAME=<path>, as hexadecimal digits in lines of 32 bytes.
# The packages are build products (skins/), so this runs at build time.
#
#   cmake -DSOURCE=<layout source> -DOUTPUT=<layout> -DPACKAGES="NAME;..."
#         -DNAME=<package path> ... -P FillSkinPackages.cmake
foreach(required SOURCE OUTPUT PACKAGES)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "FillSkinPackages.cmake: ${required} is not set")
  endif()
endforeach()

file(READ "${SOURCE}" layout)
string(REPEAT "." 64 row)
foreach(name IN LISTS PACKAGES)
  set(placeholder "{@${name}@}")
  string(FIND "${layout}" "${placeholder}" first)
  string(FIND "${layout}" "${placeholder}" last REVERSE)
  if(first EQUAL -1)
    message(FATAL_ERROR "${SOURCE} has no placeholder ${placeholder}")
  endif()
  if(NOT first EQUAL last)
    message(FATAL_ERROR "${SOURCE} has the placeholder ${placeholder} more than once")
  endif()
  if(NOT DEFINED ${name} OR NOT EXISTS "${${name}}")
    message(FATAL_ERROR "the package for ${placeholder} (${name}='${${name}}') does not exist")
  endif()
  file(READ "${${name}}" hex HEX)
  if(hex STREQUAL "")
    # An empty Data would make the item an old-style skin without sections.
    message(FATAL_ERROR "the package ${${name}} is empty")
  endif()
  string(TOUPPER "${hex}" hex)
  string(REGEX REPLACE "(${row})" "\\1\n          " hex "${hex}")
  string(REGEX REPLACE "[\n ]+$" "" hex "${hex}")
  set(hex "\n          ${hex}")
  string(REPLACE "${placeholder}" "{${hex}}" layout "${layout}")
endforeach()

file(WRITE "${OUTPUT}" "${layout}")
