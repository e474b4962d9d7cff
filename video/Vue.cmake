# The frame view control: shows and plays the video and carries the measurement.
add_library(kinotab_vue STATIC ${CMAKE_CURRENT_LIST_DIR}/UnitAviPlay.cpp ${CMAKE_CURRENT_LIST_DIR}/UnitChargeurImage.cpp)
target_link_libraries(kinotab_vue PUBLIC
  kinotab_framesource kinotab_audio kinotab_mesure kinotab_mesure_draw kinotab_resources Qt6::Widgets)
