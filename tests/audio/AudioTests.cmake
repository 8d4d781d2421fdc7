# The audio engine's native tests render offline through a null output. Test signals are encoded
# in memory with the encoders of the same libraries.
velmora_audio_library(velmora::vorbisenc vorbis/vorbisenc.h vorbisenc)
add_library(velmora_audio_test_support STATIC
  audio/support/test_signals.cpp
  audio/support/offline_engine.cpp)
target_link_libraries(velmora_audio_test_support PUBLIC velmora_audio_engine velmora::vorbisenc)

velmora_test(audio_decoders_test SOURCES audio/decoders_test.cpp LIBS velmora_audio_test_support)
velmora_test(audio_engine_test SOURCES audio/engine_test.cpp LIBS velmora_audio_test_support)
velmora_test(audio_decode_ahead_test SOURCES audio/decode_ahead_test.cpp
             LIBS velmora_audio_test_support velmora_audio_tempo)
velmora_test(audio_tempo_test SOURCES audio/tempo_test.cpp
             LIBS velmora_audio_test_support velmora_audio_tempo)
