# Graph demo: writes PNG pictures of a graph versus time, a trajectory with
# equal scales and a vectors picture (graph_demo [folder]).
add_executable(graph_demo ${CMAKE_CURRENT_LIST_DIR}/graph_demo.cpp)
target_link_libraries(graph_demo PRIVATE kinotab_graph_draw kinotab_app_model)
