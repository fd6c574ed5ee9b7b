# What makes a Windows executable of this product fit to ship: its
# application manifest (the Windows versions it was made for, the version 6
# common controls, the user's own rights, its DPI behaviour) and its version
# information (product name in Chinese and English, description, version,
# copyright), both generated from the templates in cmake/windows/ with the
# project's version; and its debug information split off beside it.
#
#   gk_windows_program(<target> DESCRIPTION_ZH <text> DESCRIPTION_EN <text>)
#   gk_windows_manifest(<target>)     the manifest alone, for test programs
#                                     that must run as the product runs
#   gk_split_debug_info(<target>)

set(GK_WINDOWS_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/windows)

# The project's version as the four numbers Windows wants.
macro(gk_windows_version_numbers)
  set(gk_numbers)
  foreach(part MAJOR MINOR PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
      list(APPEND gk_numbers 0)
    else()
      list(APPEND gk_numbers ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  list(JOIN gk_numbers "." GK_RES_VERSION4)
  list(JOIN gk_numbers "," GK_RES_VERSION_COMMAS)
endmacro()

function(gk_windows_manifest_file target description_en out)
  gk_windows_version_numbers()
  set(GK_RES_TARGET ${target})
  set(GK_RES_DESCRIPTION_EN ${description_en})
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  configure_file(${GK_WINDOWS_TEMPLATES}/program.manifest.in ${manifest} @ONLY)
  set(${out} ${manifest} PARENT_SCOPE)
endfunction()

function(gk_windows_program target)
  cmake_parse_arguments(ARG "" "DESCRIPTION_ZH;DESCRIPTION_EN" "" ${ARGN})
  if(NOT ARG_DESCRIPTION_ZH OR NOT ARG_DESCRIPTION_EN)
    message(FATAL_ERROR "gk_windows_program(${target}) needs DESCRIPTION_ZH and DESCRIPTION_EN")
  endif()
  gk_windows_version_numbers()
  gk_windows_manifest_file(${target} "${ARG_DESCRIPTION_EN}" GK_RES_MANIFEST)
  set(GK_RES_TARGET ${target})
  set(GK_RES_FILE ${target}.exe)
  set(GK_RES_DESCRIPTION_ZH ${ARG_DESCRIPTION_ZH})
  set(GK_RES_DESCRIPTION_EN ${ARG_DESCRIPTION_EN})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_program.rc)
  configure_file(${GK_WINDOWS_TEMPLATES}/program.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${GK_RES_MANIFEST})
  target_sources(${target} PRIVATE ${rc})
  gk_split_debug_info(${target})
endfunction()

function(gk_windows_manifest target)
  gk_windows_manifest_file(${target} "${target}" manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_manifest.rc)
  file(CONFIGURE OUTPUT ${rc} CONTENT "1 24 \"${manifest}\"\n")
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${manifest})
  target_sources(${target} PRIVATE ${rc})
endfunction()

# Under Wine the debug sections of an executable count in its working set
# (measured: 42 MB instead of 26 MB at the first paint). The executables
# that ship or stand in for the product keep their debug information and
# their symbol table (another 2 MB of each download) beside them, in
# <name>.exe.debug, linked by name for debuggers; the release package leaves
# these files out. objcopy stamps the files it writes with the
# time of day unless SOURCE_DATE_EPOCH names one: the link leaves the stamp
# at 0, and so does this (the link to the debug file carries its checksum,
# so the debug file must not vary either).
function(gk_split_debug_info target)
  set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${objcopy} --only-keep-debug $<TARGET_FILE_NAME:${target}> $<TARGET_FILE_NAME:${target}>.debug
    COMMAND ${objcopy} --strip-all --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug
            $<TARGET_FILE_NAME:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()
