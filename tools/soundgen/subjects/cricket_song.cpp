#include "soundgen/subjects/cricket_song.h"

#include <algorithm>
#include <cmath>

namespace soundgen::crickets {

std::vector<float> pulse(const Song& song, double carrier_hz, const Voice& voice) {
  std::vector<float> grain(frames_for(song.pulse_seconds));
  double phase = 0;
  for (size_t i = 0; i < grain.size(); ++i) {
    const double x = static_cast<double>(i) / static_cast<double>(grain.size());
    phase += 2 * kPi * carrier_hz * (1.0 - voice.fall * x) / kSampleRate;
    const double envelope = std::pow(std::sin(kPi * x), 2.0);
    grain[i] = static_cast<float>(
        envelope * (std::sin(phase) + voice.octave * std::sin(2 * phase) + voice.third * std::sin(3 * phase)));
  }
  return grain;
}

void sing(Canvas& canvas, const Singer& singer, double from, double to, Random& random) {
  const Song& s = singer.song;
  const double carrier = s.carrier_hz * random.uniform(0.98, 1.02);
  const std::vector<float> grain = pulse(s, carrier, singer.voice);
  const auto pan = static_cast<float>(singer.pan);
  double t = from;
  while (t < to) {
    const int pulses = s.pulses_per_chirp > 0
                           ? s.pulses_per_chirp
                           : static_cast<int>(random.uniform(0.5, 1.5) * s.chirp_period / s.pulse_period);
    const auto gain = static_cast<float>(singer.gain * random.uniform(0.85, 1.0));
    for (int k = 0; k < pulses && t + k * s.pulse_period < to; ++k) {
      const double swell = s.pulses_per_chirp > 0 ? 1.0 : std::min(1.0, (k + 1) / 8.0);
      canvas.add(grain, t + k * s.pulse_period + random.uniform(-0.0007, 0.0007),
                 static_cast<float>(gain * swell), pan);
    }
    t += s.pulses_per_chirp > 0 ? s.chirp_period * random.uniform(0.93, 1.07) : pulses * s.pulse_period;
    if (random.chance(s.pulses_per_chirp > 0 ? 0.08 : 1.0)) t += random.exponential(1.0 / s.pause);
  }
}

}  // namespace soundgen::crickets
