# The frame source beside FFmpeg on 1080p H.264: a cold jump to the last
# frame of a 250-frame group, and sequential decoding; time and peak memory.
add_executable(bench_framesource ${CMAKE_CURRENT_LIST_DIR}/framesource_saut.cpp)
target_link_libraries(bench_framesource PRIVATE kinotab_framesource kinotab_video_writer benchmark::benchmark)
