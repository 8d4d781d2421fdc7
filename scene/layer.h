#pragma once
#include <string>
#include <string_view>

#include "audio/bass_api.h"

namespace velmora::scene {

// Tempo layers play a decoded stream through the tempo extension, so their speed and balance
// can change; plain layers play a looping file stream.
enum class LayerStream { Tempo, Looping };

// Slider positions as the controls show them when the layer starts.
struct LayerLevels {
  int volume = 0;   // 0 to 20
  int balance = 0;  // -5 to 5, tempo layers only
  int speed = 0;    // percent, -5 to 50, tempo layers only
};

// Maps slider positions to the engine's attribute values.
float VolumeFromPosition(int position);
float PanFromPosition(int position);
float TempoFromPosition(int position);

// One looping layer of the soundscape, bound to its channel handle.
class Layer {
 public:
  Layer(HSTREAM& channel, LayerStream stream) : channel_(channel), stream_(stream) {}

  // Brings the layer in line with its switch: stops it, and when on starts it anew from the
  // start of `fileName` in `folder`. An empty file name (no variant chosen) plays the layer's
  // previous file again.
  void Apply(bool on, std::string_view folder, std::string_view fileName,
             const LayerLevels& levels);

  void SetVolume(int position) const;
  void SetBalance(int position) const;
  void SetSpeed(int position) const;

 private:
  void Stop() const;
  void Start(const LayerLevels& levels);

  HSTREAM& channel_;
  LayerStream stream_;
  std::string path_;
};

}  // namespace velmora::scene
