# Kinematics: the whole results computation on long measurements.
add_executable(bench_kinematics ${CMAKE_CURRENT_LIST_DIR}/kinematics_series.cpp)
target_link_libraries(bench_kinematics PRIVATE kinotab_kinematics benchmark::benchmark)

# The coverage of the uncertainties over synthetic throws.
add_executable(bench_coverage ${CMAKE_CURRENT_LIST_DIR}/kinematics_coverage.cpp)
target_link_libraries(bench_coverage PRIVATE kinotab_lancers benchmark::benchmark)
