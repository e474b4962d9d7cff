# Automatic tracking: template matching over frames (Qt Gui pictures, no
# widgets), and the worker that runs it over a frame source of its own.
add_library(kinotab_suivi STATIC
  ${CMAKE_CURRENT_LIST_DIR}/UnitCorrelation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnitSuivi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnitTravailleurSuivi.cpp)
target_link_libraries(kinotab_suivi PUBLIC kinotab_math kinotab_framesource Qt6::Gui)
