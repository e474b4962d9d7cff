# Fits: how honest their uncertainties are over synthetic throws and swings,
# and the time of a long damped-sine fit beside kinotab-cli table.
add_executable(bench_fit_coverage ${CMAKE_CURRENT_LIST_DIR}/fit_coverage.cpp)
target_link_libraries(bench_fit_coverage PRIVATE kinotab_mesures_synthetiques benchmark::benchmark)

add_executable(bench_fit_time ${CMAKE_CURRENT_LIST_DIR}/fit_time.cpp)
target_link_libraries(bench_fit_time PRIVATE kinotab_mesure kinotab_demo_video benchmark::benchmark Qt6::Core)
target_compile_definitions(bench_fit_time PRIVATE KINOTAB_CLI="$<TARGET_FILE:kinotab-cli>")
add_dependencies(bench_fit_time kinotab-cli)
