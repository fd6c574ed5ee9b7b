# app_core: the converter without its window. Angle notation, the field-text
# model and the seven commands; portable C++ that builds natively for tests,
# benchmarks and fuzzing as well as into the Windows product.
add_library(app_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AngleNotation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FieldTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConversionCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GaussZone.cpp)
target_include_directories(app_core PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(app_core PUBLIC gis tk_core)
