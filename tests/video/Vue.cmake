kinotab_add_test(test_vue
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_vue.cpp
  LIBS kinotab_vue kinotab_video_writer)
kinotab_add_test(test_vue_2x
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_vue_2x.cpp
  LIBS kinotab_vue kinotab_video_writer)
set_property(TEST test_vue_2x APPEND PROPERTY ENVIRONMENT QT_SCALE_FACTOR=2)
