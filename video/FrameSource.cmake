# The frame source over FFmpeg (model layer: Qt Gui for QImage, no widgets).
add_library(kinotab_framesource STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FrameSource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceAudio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceAvi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceConteneur.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceDecodeur.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceDecodeurSon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceDecodeurTemps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceIndex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceOrientation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameSourceSonConteneur.cpp
)
target_link_libraries(kinotab_framesource PUBLIC kinotab_math kinotab_video_types Qt6::Gui PkgConfig::FFMPEG)
