# Graph: painting a full control, and one pan step of a drag.
add_executable(bench_graph ${CMAKE_CURRENT_LIST_DIR}/graph_paint.cpp)
target_link_libraries(bench_graph PRIVATE kinotab_graph_draw kinotab_resources benchmark::benchmark)
