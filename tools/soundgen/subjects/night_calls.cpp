// Owls and wolves, each call a voiced glide (grains.h). Owls hoot low, nearly pure tones with a
// soft onset: the tawny owl's long hoot, a long pause and a stutter into a quavering note; the Ural
// owl's deep barked "WO-hu"; the long-eared owl's spaced single hoots; the eagle owl's lone "OO-hu".
// Wolves howl each along its own contour, with a wandering vibrato, breaks and harmonics well below
// the fundamental. Distance darkens, quietens and drowns a call in the forest's echo.
#include <algorithm>
#include <cmath>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

using Points = std::vector<std::pair<double, double>>;

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
  g.vibrato_wander = quaver > 0 ? 0.3 : 0;
  g.breath = 0.1;
  g.attack = std::min(0.06, length / 4);
  g.release = std::min(0.12, length / 3);
  return g;
}

// Two syllables in one breath: a stressed note at `hz`, a dip, and a softer, lower one.
Glide two_syllables(double length, double hz, double stress_share) {
  Glide g = hoot(length, hz);
  const double turn = length * stress_share;
  g.pitch = {{0, hz * 0.88}, {length * 0.12, hz}, {turn, hz * 0.99}, {turn + 0.06, hz * 0.9}, {length, hz * 0.86}};
  g.loudness = {{0, 1.0}, {turn - 0.05, 1.0}, {turn, 0.3}, {turn + 0.06, 0.7}, {length, 0.55}};
  return g;
}

// A Ural owl's barked "WO-hu": short, with a little more edge than a tawny's hoot.
Glide wohu(double hz) {
  Glide g = two_syllables(0.5, hz, 0.5);
  g.harmonics = {1.0, 0.2, 0.07};
  g.attack = 0.03;
  return g;
}

// A howl along its own pitch contour and swell. Recorded howls keep their harmonics well below
// the fundamental; the vibrato strays in rate and depth as a voice does.
Glide howl(Points pitch, Points loudness) {
  Glide g;
  g.pitch = std::move(pitch);
  g.loudness = std::move(loudness);
  g.harmonics = {1.0, 0.2, 0.09, 0.04, 0.02};
  g.vibrato_hz = 5.0;
  g.vibrato_depth = 0.011;
  g.vibrato_wander = 0.45;
  g.breath = 0.35;
  g.attack = 0.2;
  g.release = 0.5;
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

// A tawny owl's song from `at`: a long hoot, a pause of `pause` seconds, a soft "hu", then short
// separate notes stuttering into the long quavering one.
std::vector<Call> tawny_song(double at, double pause, double hz) {
  std::vector<Call> song = {{at, hoot(0.8, hz), 1.0}};
  double t = at + 0.8 + pause;
  song.push_back({t, hoot(0.12, hz * 0.93), 0.6});
  t += 0.42;
  for (int n = 0; n < 3; ++n, t += 0.17) song.push_back({t, hoot(0.08, hz * (0.94 + 0.01 * n)), 0.55 + 0.05 * n});
  song.push_back({t + 0.02, hoot(1.3, hz * 0.97, 0.02), 0.9});
  return song;
}

std::vector<Scene> make_scenes() {
  return {
      // 1: a tawny owl close by.
      {6.9, -0.3, 0.2, tawny_song(0.1, 3.0, 430)},
      // 2: a tawny owl far across the forest.
      {6.6, 0.6, 0.85, tawny_song(0.1, 2.5, 395)},
      // 3: a Ural owl: "WO-hu", a long pause, "hu-WO-hu-WO-hu".
      {5.6, 0.2, 0.4,
       {{0.1, wohu(310), 1.0}, {3.5, hoot(0.14, 285), 0.6}, {3.72, wohu(315), 0.95}, {4.3, wohu(308), 0.9}}},
      // 4: a long-eared owl's low single hoots, evenly spaced.
      {5.2, -0.6, 0.5, {{0.1, hoot(0.35, 330), 1.0}, {2.0, hoot(0.35, 330), 0.95}, {3.9, hoot(0.35, 328), 0.9}}},
      // 5: an eagle owl's single "OO-hu" from a distance; it would call again some eight seconds later.
      {2.8, 0.4, 0.7, {{0.2, two_syllables(0.8, 340, 0.45), 1.0}}},
      // 6: a lone wolf nearby, rising in one sweep.
      {6.5, -0.2, 0.25,
       {{0.1,
         howl({{0, 330}, {0.85, 552}, {1.5, 560}, {2.3, 578}, {2.9, 570}, {3.5, 563}, {4.0, 545},
               {4.45, 440}, {4.8, 360}},
              {{0, 0.5}, {0.6, 1.0}, {2.0, 0.9}, {2.8, 1.0}, {3.9, 0.85}, {4.8, 0.6}}),
         1.0}}},
      // 7: a lone wolf far off, catching once on the way up.
      {7.0, 0.7, 0.9,
       {{0.1,
         howl({{0, 400}, {0.45, 500}, {0.6, 480}, {1.3, 605}, {2.2, 618}, {3.0, 600}, {3.8, 608}, {4.5, 570},
               {4.9, 470}, {5.2, 420}},
              {{0, 0.4}, {0.5, 0.8}, {0.6, 0.6}, {1.3, 1.0}, {3.5, 0.9}, {4.5, 0.8}, {5.2, 0.5}}),
         1.0}}},
      // 8: two wolves, the second joining higher and breaking down a step.
      {7.5, 0.0, 0.5,
       {{0.1,
         howl({{0, 320}, {0.7, 500}, {1.2, 522}, {2.4, 515}, {3.3, 498}, {3.8, 470}, {4.3, 390}, {4.6, 350}},
              {{0, 0.6}, {0.8, 1.0}, {3.8, 0.85}, {4.6, 0.5}}),
         1.0},
        {1.4,
         howl({{0, 430}, {0.7, 690}, {1.8, 708}, {1.9, 640}, {2.9, 652}, {3.6, 615}, {4.0, 530},
               {4.4, 480}},
              {{0, 0.5}, {0.7, 1.0}, {1.8, 0.95}, {1.86, 0.5}, {1.95, 0.9}, {4.4, 0.6}}),
         0.8}}},
      // 9: a pack: yips, then howls overlapping.
      {8.0, 0.3, 0.6,
       {{0.1, yip(650), 0.5},
        {0.35, yip(720), 0.45},
        {0.6, yip(600), 0.5},
        {0.9,
         howl({{0, 350}, {0.6, 530}, {1.8, 545}, {2.8, 530}, {3.6, 520}, {4.1, 430}, {4.5, 380}},
              {{0, 0.6}, {0.7, 1.0}, {2.5, 0.85}, {4.5, 0.6}}),
         0.9},
        {1.5,
         howl({{0, 450}, {0.35, 560}, {0.5, 540}, {1.0, 675}, {2.4, 690}, {3.2, 650}, {3.7, 520}, {4.0, 470}},
              {{0, 0.5}, {0.35, 0.9}, {0.5, 0.6}, {1.0, 1.0}, {3.2, 0.8}, {4.0, 0.5}}),
         0.7},
        {2.3,
         howl({{0, 380}, {0.8, 590}, {1.6, 605}, {1.7, 560}, {2.6, 575}, {3.4, 590}, {3.9, 450}, {4.2, 410}},
              {{0, 0.5}, {0.8, 1.0}, {1.6, 0.9}, {1.66, 0.55}, {1.75, 0.9}, {4.2, 0.6}}),
         0.75},
        {3.0, yip(700), 0.4}}},
      // 10: a wolf at middle distance whose howl breaks up a sixth halfway, holds, and sinks back.
      {6.5, -0.5, 0.55,
       {{0.1,
         howl({{0, 340}, {0.7, 515}, {1.5, 528}, {2.2, 540}, {2.32, 835}, {2.8, 815}, {3.4, 790}, {4.1, 560},
               {4.8, 380}},
              {{0, 0.5}, {0.8, 1.0}, {2.2, 0.95}, {2.27, 0.55}, {2.4, 0.9}, {3.4, 0.85}, {4.8, 0.5}}),
         1.0}}},
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
