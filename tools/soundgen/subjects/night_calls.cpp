// Owls and wolves, each call a voiced glide (grains.h). Owls hoot low, nearly pure tones with a
// soft onset, some with the tawny owl's quaver; wolves howl with a rising onset, a long wavering
// hold and a falling end, rich in harmonics and breath. Distance darkens, quietens and drowns
// a call in the forest's echo.
#include <algorithm>
#include <cmath>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

struct Call {
  double at;
  Glide glide;
  double gain;
};

struct Scene {
  double seconds, pan, distance;
  std::vector<Call> calls;
};

Glide hoot(double length, double hz, double quaver = 0) {
  Glide g;
  g.pitch = {{0, hz * 0.94}, {length * 0.3, hz}, {length, hz * 0.9}};
  g.harmonics = {1.0, 0.12, 0.03};
  g.vibrato_hz = quaver > 0 ? 22 : 5;
  g.vibrato_depth = quaver > 0 ? quaver : 0.004;
  g.breath = 0.1;
  g.attack = std::min(0.06, length / 4);
  g.release = std::min(0.12, length / 3);
  return g;
}

Glide howl(double length, double low_hz, double high_hz, double end_hz) {
  Glide g;
  g.pitch = {{0, low_hz}, {0.7, high_hz}, {length * 0.55, high_hz * 1.04}, {length * 0.85, high_hz * 0.97},
             {length, end_hz}};
  g.harmonics = {1.0, 0.45, 0.25, 0.1, 0.05};
  g.vibrato_hz = 5.2;
  g.vibrato_depth = 0.012;
  g.breath = 0.5;
  g.attack = 0.25;
  g.release = 0.6;
  return g;
}

Glide yip(double hz) {
  Glide g;
  g.pitch = {{0, hz}, {0.06, hz * 1.5}, {0.16, hz * 1.2}};
  g.harmonics = {1.0, 0.5, 0.3, 0.2};
  g.breath = 0.6;
  g.attack = 0.01;
  g.release = 0.05;
  return g;
}

// A howl that leaps up a sixth halfway, holds, and sinks back.
Glide broken_howl() {
  Glide g = howl(4.8, 340, 520, 380);
  g.pitch = {{0, 340}, {0.7, 520}, {2.2, 535}, {2.35, 840}, {3.4, 800}, {4.1, 560}, {4.8, 380}};
  return g;
}

std::vector<Scene> make_scenes() {
  return {
      // 1: a tawny owl close by: a long hoot, a pause, a short note and the long quavering one.
      {4.6, -0.3, 0.2,
       {{0.1, hoot(0.7, 430), 1.0}, {1.6, hoot(0.14, 400), 0.6}, {2.0, hoot(1.5, 420, 0.02), 0.9}}},
      // 2: a tawny owl far across the forest.
      {4.8, 0.6, 0.85,
       {{0.1, hoot(0.75, 390), 1.0}, {1.7, hoot(0.14, 370), 0.6}, {2.1, hoot(1.6, 385, 0.02), 0.9}}},
      // 3: a great horned owl's stuttered series.
      {4.2, 0.2, 0.4,
       {{0.1, hoot(0.45, 300), 1.0}, {0.85, hoot(0.16, 310), 0.7}, {1.08, hoot(0.3, 305), 0.85},
        {1.75, hoot(0.5, 290), 0.9}, {2.6, hoot(0.55, 285), 0.8}}},
      // 4: a long-eared owl's low single hoots, evenly spaced.
      {5.2, -0.6, 0.5, {{0.1, hoot(0.35, 330), 1.0}, {2.0, hoot(0.35, 330), 0.95}, {3.9, hoot(0.35, 328), 0.9}}},
      // 5: an eagle owl's deep two-note call, twice, from a distance.
      {5.5, 0.4, 0.7,
       {{0.1, hoot(0.25, 210), 1.0}, {0.45, hoot(0.6, 190), 0.9}, {2.9, hoot(0.25, 212), 1.0},
        {3.25, hoot(0.6, 192), 0.9}}},
      // 6: a lone wolf nearby.
      {6.5, -0.2, 0.25, {{0.1, howl(4.8, 330, 560, 360), 1.0}}},
      // 7: a lone wolf far off.
      {7.0, 0.7, 0.9, {{0.1, howl(5.2, 400, 610, 420), 1.0}}},
      // 8: two wolves, the second joining higher.
      {7.5, 0.0, 0.5, {{0.1, howl(4.6, 320, 520, 350), 1.0}, {1.4, howl(4.4, 430, 700, 480), 0.8}}},
      // 9: a pack: yips, then howls overlapping.
      {8.0, 0.3, 0.6,
       {{0.1, yip(650), 0.5}, {0.35, yip(720), 0.45}, {0.6, yip(600), 0.5}, {0.9, howl(4.5, 350, 540, 380), 0.9},
        {1.5, howl(4.0, 450, 680, 470), 0.7}, {2.3, howl(4.2, 380, 600, 410), 0.75}, {3.0, yip(700), 0.4}}},
      // 10: a wolf at middle distance whose howl breaks upward halfway.
      {6.5, -0.5, 0.55, {{0.1, broken_howl(), 1.0}}},
  };
}

}  // namespace

Sound night_call(int number) {
  static const std::vector<Scene> scenes = make_scenes();
  const Scene& scene = scenes[number - 1];
  Random random(0x70746963000 + static_cast<uint64_t>(number));
  Canvas canvas(scene.seconds, Shape::OneShot);
  for (const Call& call : scene.calls) {
    const double spread = random.uniform(-0.1, 0.1);
    canvas.add(sing(call.glide, random), call.at, static_cast<float>(call.gain),
               static_cast<float>(std::clamp(scene.pan + spread, -1.0, 1.0)));
  }
  Sound& sound = canvas.sound();
  const double cutoff = 9000 - 7000 * scene.distance;
  Biquad dark_l = Biquad::lowpass(cutoff), dark_r = Biquad::lowpass(cutoff);
  dark_l.process(sound.left);
  dark_r.process(sound.right);
  apply_room(sound, Shape::OneShot, {0.6, 0.6, 0.12 + 0.4 * scene.distance, 1.0 - 0.5 * scene.distance});
  return sound;
}

}  // namespace soundgen
