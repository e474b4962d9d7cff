# Test and demo videos: the writer, the demo generator and the bundled demo,
# and kinotab-cli, the frame source on the command line.

add_library(kinotab_video_writer STATIC ${CMAKE_CURRENT_LIST_DIR}/VideoWriter.cpp)
target_link_libraries(kinotab_video_writer PUBLIC Qt6::Gui PkgConfig::FFMPEG)
