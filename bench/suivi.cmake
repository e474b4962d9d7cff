# Automatic tracking: speed at 640 x 480 and accuracy on the demo ball; and
# what the undo history costs for long measurements.
add_executable(bench_suivi ${CMAKE_CURRENT_LIST_DIR}/suivi_demo.cpp)
target_link_libraries(bench_suivi PRIVATE kinotab_suivi kinotab_mesure kinotab_kinematics kinotab_demo_video benchmark::benchmark)
