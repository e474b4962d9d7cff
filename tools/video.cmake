# Test and demo videos: the writer, the demo generator and the bundled demo,
# and kinotab-cli, the frame source on the command line.

add_library(kinotab_video_writer STATIC ${CMAKE_CURRENT_LIST_DIR}/VideoWriter.cpp ${CMAKE_CURRENT_LIST_DIR}/VideoSurgery.cpp)
target_link_libraries(kinotab_video_writer PUBLIC kinotab_framesource Qt6::Gui PkgConfig::FFMPEG)

# kinotab-cli: one file a group of subcommands, dispatched by kinotab_cli.cpp.
add_executable(kinotab-cli
  ${CMAKE_CURRENT_LIST_DIR}/kinotab_cli.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kinotab_cli_video.cpp
)
target_link_libraries(kinotab-cli PRIVATE kinotab_framesource)

# The bundled demo video, written by the build: a ball falling beside a ruler.
# Targets that link kinotab_demo_video get its path as KINOTAB_DEMO_VIDEO.
add_executable(kinotab_demo_generator ${CMAKE_CURRENT_LIST_DIR}/demo_chute.cpp)
target_link_libraries(kinotab_demo_generator PRIVATE kinotab_video_writer Qt6::Gui)
set(KINOTAB_DEMO_VIDEO ${CMAKE_BINARY_DIR}/resources/demo/kinotab-demo.avi CACHE INTERNAL "The bundled demo video")
add_custom_command(OUTPUT ${KINOTAB_DEMO_VIDEO}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources/demo
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:kinotab_demo_generator> ${KINOTAB_DEMO_VIDEO}
  DEPENDS kinotab_demo_generator
  COMMENT "Writing the demo video")
add_custom_target(kinotab_demo ALL DEPENDS ${KINOTAB_DEMO_VIDEO})
add_library(kinotab_demo_video INTERFACE)
target_compile_definitions(kinotab_demo_video INTERFACE KINOTAB_DEMO_VIDEO="${KINOTAB_DEMO_VIDEO}")
add_dependencies(kinotab_demo_video kinotab_demo)

# Fuzz target for the frame source (clang with libFuzzer; not part of CI):
#   CXX=clang++ cmake -S . -B build-fuzz -DKINOTAB_FUZZ=ON && cmake --build build-fuzz --target fuzz_framesource
#   ./build-fuzz/tools/fuzz_framesource -max_len=200000 -rss_limit_mb=4096 CORPUS_DIR
# The frame source is built again with coverage for it.
if(KINOTAB_FUZZ)
  get_target_property(KINOTAB_FRAMESOURCE_SOURCES kinotab_framesource SOURCES)
  add_library(kinotab_framesource_fuzz STATIC ${KINOTAB_FRAMESOURCE_SOURCES})
  target_compile_options(kinotab_framesource_fuzz PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_libraries(kinotab_framesource_fuzz PUBLIC kinotab_math kinotab_video_types Qt6::Gui PkgConfig::FFMPEG)
  target_include_directories(kinotab_framesource_fuzz PUBLIC ${CMAKE_BINARY_DIR}/include/video)
  add_executable(fuzz_framesource ${CMAKE_CURRENT_LIST_DIR}/fuzz_framesource.cpp)
  target_compile_options(fuzz_framesource PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(fuzz_framesource PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(fuzz_framesource PRIVATE kinotab_framesource_fuzz)
endif()

# Seeds for the frame-source fuzz target, written into a folder given on the
# command line (outside the repository):
#   ./build/tools/kinotab_fuzz_seeds /tmp/corpus-framesource
add_executable(kinotab_fuzz_seeds ${CMAKE_CURRENT_LIST_DIR}/fuzz_seeds.cpp)
target_link_libraries(kinotab_fuzz_seeds PRIVATE kinotab_video_writer Qt6::Gui)
