# gk_add_test(<name> SOURCES ... LIBS ...)
# One test binary = one CTest entry (under Wine this keeps start-up costs low).
# Each run writes GoogleTest's XML report, which scripts/test.sh sums up.
set(GK_TEST_RESULTS ${CMAKE_BINARY_DIR}/test-results)
file(MAKE_DIRECTORY ${GK_TEST_RESULTS})

function(gk_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gk_wine_path(report ${GK_TEST_RESULTS}/${name}.xml)
  if(WIN32)
    # Windows test programs run as the product runs: with its manifest, so
    # windows get the version 6 common controls.
    gk_windows_manifest(${name})
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${report}
           WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

