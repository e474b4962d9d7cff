# The frame source on videos the tests write: frame-exact access, derived
# values, sound, damaged files; the bundled demo and kinotab-cli.
kinotab_add_test(test_framesource
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_framesource_acces.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_valeurs.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_audio.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_mauvais.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_abimes.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_demo.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_conteneurs.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_temps.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_framesource_son_conteneur.cpp
  LIBS kinotab_framesource kinotab_video_writer kinotab_demo_video)
target_compile_definitions(test_framesource PRIVATE KINOTAB_CLI="$<TARGET_FILE:kinotab-cli>")
add_dependencies(test_framesource kinotab-cli)
