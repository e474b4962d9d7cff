# The audio player and the sound device it plays through.
add_library(kinotab_audio STATIC
  ${CMAKE_CURRENT_LIST_DIR}/UnitPeripheriqueSon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnitPeripheriqueSonQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnitAudioPlay.cpp
)
target_link_libraries(kinotab_audio PUBLIC kinotab_math Qt6::Multimedia)
