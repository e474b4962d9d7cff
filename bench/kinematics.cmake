# Kinematics: the whole results computation on long measurements.
add_executable(bench_kinematics ${CMAKE_CURRENT_LIST_DIR}/kinematics_series.cpp)
target_link_libraries(bench_kinematics PRIVATE kinotab_kinematics benchmark::benchmark)
