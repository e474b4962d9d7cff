# The frame source on videos the tests write: frame-exact access, derived
# values, sound, and damaged files.
kinotab_add_test(test_framesource
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_framesource_acces.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_valeurs.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_audio.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_mauvais.cpp
  LIBS kinotab_framesource kinotab_video_writer)
