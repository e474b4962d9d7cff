# kinotab-cli track over 300 frames at 640 x 480 beside FFmpeg's own decoding
# of the same clip, in one run.
add_executable(bench_suivi_cli ${CMAKE_CURRENT_LIST_DIR}/suivi_cli.cpp)
target_link_libraries(bench_suivi_cli PRIVATE kinotab_video_writer PkgConfig::FFMPEG Qt6::Core Qt6::Gui benchmark::benchmark)
target_compile_definitions(bench_suivi_cli PRIVATE KINOTAB_CLI="$<TARGET_FILE:kinotab-cli>")
add_dependencies(bench_suivi_cli kinotab-cli)
