# The audio engine's codec, resampling and time-stretching libraries: Debian's -dev packages in
# the native build, the cache of scripts/cross-deps.sh in the cross build (FLAC, Vorbis, Ogg and
# libsamplerate static; libmpg123 and SoundTouch, both LGPL, as DLLs beside the program).

# velmora_audio_library(target header names...) - an imported target for one found library.
function(velmora_audio_library target header)
  find_path(${target}_INCLUDE_DIR ${header} REQUIRED)
  find_library(${target}_LIBRARY NAMES ${ARGN} REQUIRED)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  target_include_directories(${target} SYSTEM INTERFACE ${${target}_INCLUDE_DIR})
  target_link_libraries(${target} INTERFACE ${${target}_LIBRARY})
endfunction()

velmora_audio_library(velmora::ogg ogg/ogg.h ogg)
velmora_audio_library(velmora::vorbis vorbis/codec.h vorbis)
velmora_audio_library(velmora::vorbisfile vorbis/vorbisfile.h vorbisfile)
target_link_libraries(velmora::vorbisfile INTERFACE velmora::vorbis velmora::ogg)
velmora_audio_library(velmora::flac FLAC/stream_decoder.h FLAC)
velmora_audio_library(velmora::mpg123 mpg123.h mpg123)
velmora_audio_library(velmora::samplerate samplerate.h samplerate)
velmora_audio_library(velmora::soundtouch soundtouch/SoundTouch.h SoundTouch)
if(WIN32)
  target_compile_definitions(velmora::flac INTERFACE FLAC__NO_DLL)
  # The LGPL libraries' DLLs go beside the program.
  foreach(dll libmpg123.dll libSoundTouch.dll)
    find_file(VELMORA_${dll} ${dll} PATH_SUFFIXES bin REQUIRED)
    file(COPY ${VELMORA_${dll}} DESTINATION ${VELMORA_OUTPUT_DIR})
  endforeach()
endif()
