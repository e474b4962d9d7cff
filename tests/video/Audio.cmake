# The ring of buffers over a fake device, and the real device without sound.
kinotab_add_test(test_audio
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_audio_anneau.cpp ${CMAKE_CURRENT_LIST_DIR}/test_audio_sans_son.cpp
  LIBS kinotab_audio)
# The real device on a null sink of a PulseAudio server the test starts itself;
# a process of its own, as Qt keeps its first connection to the sound server.
kinotab_add_test(test_audio_pulse
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_audio_pulse.cpp
  LIBS kinotab_audio)
