# kinotab-cli table: the work file and the results models on the command line.
target_sources(kinotab-cli PRIVATE ${CMAKE_CURRENT_LIST_DIR}/kinotab_cli_table.cpp)
target_link_libraries(kinotab-cli PRIVATE kinotab_app_model kinotab_kinematics kinotab_results_model)

# Fuzz target for the work-file reader (clang with libFuzzer; not part of CI):
#   CXX=clang++ cmake -S . -B build-fuzz -DKINOTAB_FUZZ=ON && cmake --build build-fuzz --target fuzz_travail
if(KINOTAB_FUZZ)
  add_executable(fuzz_travail ${CMAKE_CURRENT_LIST_DIR}/fuzz_travail.cpp)
  target_compile_options(fuzz_travail PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(fuzz_travail PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(fuzz_travail PRIVATE kinotab_app_model)
endif()

# kinotab-cli graph: the results window's graphical views drawn headless.
target_sources(kinotab-cli PRIVATE ${CMAKE_CURRENT_LIST_DIR}/kinotab_cli_graph.cpp)
target_link_libraries(kinotab-cli PRIVATE kinotab_results_draw)

# kinotab-cli print: a view laid out and printed to PDF by the print window's page code.
target_sources(kinotab-cli PRIVATE ${CMAKE_CURRENT_LIST_DIR}/kinotab_cli_print.cpp)
target_link_libraries(kinotab-cli PRIVATE kinotab_print_draw)
