kinotab_add_test(test_vue
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_vue.cpp
  LIBS kinotab_vue kinotab_video_writer)
