// The seven looping tunes: a small composer writes each tune's melody from its chord
// progression and a seed (chord tones on strong beats, steps between, phrases in an
// A A' B A'' shape), and a sequencer plays it on chiptune instruments: a pulse lead doubled
// by a glockenspiel, a triangle bass, a soft arpeggio, kick, snare and sleigh bells. Notes
// that ring past the end wrap round to the start, so each file loops without a seam.
#include <cmath>
#include <vector>

#include "audio.h"
#include "raster.h"  // Rng
#include "synth.h"

namespace datagen {

namespace {

constexpr int R = kTuneRate;

struct Song {
  float bpm;
  int root;              // MIDI note of the key's tonic (octave 4)
  bool minor;
  int beatsPerBar;       // 4 or 3
  int bars;              // a multiple of 16
  int progA[8], progB[8];  // scale degrees (0 = tonic), one chord per bar
  uint32_t seed;
  float leadDuty;
  int bassStyle;         // 0 oom-pah, 1 walking, 2 staccato eighths
  float bellAmount;      // how much glockenspiel doubles the lead
};

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

int scaleNote(const Song& s, int degree) {  // degree may be any integer
  int oct = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
  int d = degree - oct * 7;
  return s.root + 12 * oct + (s.minor ? kMinor[d] : kMajor[d]);
}

struct Note {
  int step, len, degree;  // degree in the scale, relative to the tonic of octave 5
};

// One-bar rhythms in sixteenth steps (start, length), for 4/4 and 3/4.
const std::vector<std::vector<std::pair<int, int>>> kRhythms4 = {
    {{0, 4}, {4, 4}, {8, 4}, {12, 4}},
    {{0, 6}, {6, 2}, {8, 4}, {12, 4}},
    {{0, 2}, {2, 2}, {4, 4}, {8, 2}, {10, 2}, {12, 4}},
    {{0, 4}, {4, 2}, {6, 2}, {8, 8}},
    {{0, 3}, {3, 3}, {6, 2}, {8, 4}, {12, 2}, {14, 2}},
    {{0, 8}, {8, 4}, {12, 4}},
};
const std::vector<std::vector<std::pair<int, int>>> kRhythms3 = {
    {{0, 4}, {4, 4}, {8, 4}},
    {{0, 8}, {8, 4}},
    {{0, 4}, {4, 2}, {6, 2}, {8, 4}},
    {{0, 6}, {6, 2}, {8, 4}},
};

bool isChordTone(int degree, int chord) {
  int d = ((degree - chord) % 7 + 7) % 7;
  return d == 0 || d == 2 || d == 4;
}

// Writes one four-bar phrase over the given chords; `cadence` ends it on the tonic.
std::vector<Note> phrase(const Song& s, const int* chords, Rng& rng, int startBar, bool cadence,
                         int& prev) {
  const auto& rhythms = s.beatsPerBar == 4 ? kRhythms4 : kRhythms3;
  int steps = s.beatsPerBar * 4;
  std::vector<Note> out;
  for (int b = 0; b < 4; ++b) {
    int chord = chords[b];
    const auto& r = rhythms[rng.next() % rhythms.size()];
    bool last = b == 3;
    for (size_t i = 0; i < r.size(); ++i) {
      auto [st, len] = r[i];
      if (last && i + 1 == r.size() && cadence) {
        // land on the tonic, held
        int target = prev > 3 ? 7 : 0;
        out.push_back({(startBar + b) * steps + st, steps - st, target});
        prev = target;
        break;
      }
      int deg;
      bool strong = st % 8 == 0 || (s.beatsPerBar == 3 && st == 0);
      if (strong) {
        // nearest chord tone to the previous note, sometimes leaping
        int best = prev, bestD = 99;
        for (int c = -2; c <= 11; ++c)
          if (isChordTone(c, chord)) {
            int d = std::abs(c - prev) + (rng.unit() < 0.25f ? int(rng.next() % 3) : 0);
            if (d < bestD) bestD = d, best = c;
          }
        deg = best;
      } else {
        int stepBy = int(rng.next() % 5) - 2;  // -2..2
        if (stepBy == 0) stepBy = rng.unit() < 0.5f ? 1 : -1;
        deg = prev + stepBy;
      }
      deg = std::max(-2, std::min(11, deg));
      out.push_back({(startBar + b) * steps + st, len, deg});
      prev = deg;
    }
  }
  return out;
}

std::vector<float> render(const Song& s) {
  int steps = s.beatsPerBar * 4;
  float stepSec = 60.0f / s.bpm / 4;
  long total = long(std::lround(s.bars * steps * stepSec * R));
  std::vector<float> mix(size_t(total), 0.0f);
  auto at = [&](int step) { return long(std::lround(step * stepSec * R)); };
  Rng rng(s.seed);

  // Compose 16 bars: A (progA 0-3), A' (progA 4-7, cadence), B (progB 0-3), A'' (progB 4-7).
  std::vector<Note> melody;
  int prev = 4;
  std::vector<Note> a = phrase(s, s.progA, rng, 0, false, prev);
  std::vector<Note> a2 = phrase(s, s.progA + 4, rng, 4, true, prev);
  std::vector<Note> bsec = phrase(s, s.progB, rng, 8, false, prev);
  // the last phrase repeats the first two bars of A, then resolves
  std::vector<Note> a3;
  for (const Note& n : a)
    if (n.step < 2 * steps) a3.push_back({n.step + 12 * steps, n.len, n.degree});
  int prev2 = a3.empty() ? 4 : a3.back().degree;
  std::vector<Note> tail = phrase(s, s.progB + 4, rng, 12, true, prev2);
  for (const Note& n : tail)
    if (n.step >= 14 * steps) a3.push_back(n);
  for (auto* part : {&a, &a2, &bsec, &a3}) melody.insert(melody.end(), part->begin(), part->end());

  int repeats = s.bars / 16;
  for (int rep = 0; rep < repeats; ++rep) {
    int base = rep * 16 * steps;
    bool second = rep % 2 == 1;
    // lead and glockenspiel
    for (const Note& n : melody) {
      int midi = scaleNote(s, n.degree) + 12;
      Voice v;
      v.wave = Wave::Pulse;
      v.duty = second ? 0.5f : s.leadDuty;
      v.freq0 = v.freq1 = noteHz(float(midi));
      v.length = n.len * stepSec * 0.85f;
      v.attack = 0.01f; v.decay = 0.08f; v.sustain = 0.7f; v.release = 0.06f;
      v.vibratoHz = 5.5f; v.vibratoDepth = n.len >= 8 ? 0.15f : 0.0f;
      v.volume = 0.2f;
      renderVoice(mix, R, at(base + n.step), v, true);
      if (s.bellAmount > 0 && (second || n.step % steps == 0)) {
        Voice b;
        b.wave = Wave::Bell;
        b.freq0 = b.freq1 = noteHz(float(midi + 12));
        b.length = 0.02f; b.attack = 0.002f; b.decay = 0.5f; b.sustain = 0; b.release = 0.2f;
        b.volume = 0.16f * s.bellAmount;
        renderVoice(mix, R, at(base + n.step), b, true);
      }
    }
    // chords: bass, arpeggio, drums per bar
    for (int bar = 0; bar < 16; ++bar) {
      int chord = bar < 8 ? s.progA[bar] : s.progB[bar - 8];
      int barStep = base + bar * steps;
      int rootNote = scaleNote(s, chord) - 12;
      while (rootNote > s.root - 5) rootNote -= 12;
      int fifth = scaleNote(s, chord + 4) - 12;
      while (fifth > rootNote + 12) fifth -= 12;
      while (fifth < rootNote) fifth += 12;
      auto bass = [&](int step, int midi, float lenSteps, float vol) {
        Voice v;
        v.wave = Wave::Triangle;
        v.freq0 = v.freq1 = noteHz(float(midi));
        v.length = lenSteps * stepSec * 0.9f;
        v.attack = 0.005f; v.decay = 0.1f; v.sustain = 0.8f; v.release = 0.04f;
        v.volume = vol;
        renderVoice(mix, R, at(barStep + step), v, true);
      };
      if (s.bassStyle == 0) {
        for (int beat = 0; beat < s.beatsPerBar; ++beat)
          bass(beat * 4, beat % 2 == 0 ? rootNote : fifth, 3, 0.45f);
      } else if (s.bassStyle == 1) {
        int walk[4] = {rootNote, fifth, rootNote + 12, fifth};
        for (int beat = 0; beat < s.beatsPerBar; ++beat) bass(beat * 4, walk[beat], 3.6f, 0.45f);
      } else {
        for (int e = 0; e < s.beatsPerBar * 2; ++e) bass(e * 2, e % 4 == 3 ? fifth : rootNote, 1.2f, 0.42f);
      }
      // arpeggio: chord tones in sixteenths, quiet, stronger in the second pass
      int arpDeg[4] = {chord, chord + 2, chord + 4, chord + 7};
      for (int st = 0; st < steps; ++st) {
        if (!second && st % 2 == 1) continue;
        Voice v;
        v.wave = Wave::Pulse;
        v.duty = 0.125f;
        v.freq0 = v.freq1 = noteHz(float(scaleNote(s, arpDeg[st % 4])));
        v.length = stepSec * 0.6f;
        v.attack = 0.003f; v.decay = 0.05f; v.sustain = 0.4f; v.release = 0.03f;
        v.volume = second ? 0.07f : 0.05f;
        renderVoice(mix, R, at(barStep + st), v, true);
      }
      // drums
      for (int beat = 0; beat < s.beatsPerBar; ++beat) {
        bool kick = s.beatsPerBar == 3 ? beat == 0 : beat % 2 == 0;
        if (kick) {
          Voice k;
          k.wave = Wave::Sine;
          k.freq0 = 130; k.freq1 = 42; k.sweep = 0.08f;
          k.length = 0.06f; k.attack = 0.001f; k.decay = 0.08f; k.sustain = 0.3f; k.release = 0.06f;
          k.volume = 0.55f;
          renderVoice(mix, R, at(barStep + beat * 4), k, true);
        } else {
          Voice sn;
          sn.wave = Wave::Noise;
          sn.freq0 = sn.freq1 = 7000;
          sn.length = 0.04f; sn.attack = 0.001f; sn.decay = 0.08f; sn.sustain = 0.1f; sn.release = 0.06f;
          sn.volume = 0.18f;
          sn.seed = uint32_t(barStep * 7 + beat);
          renderVoice(mix, R, at(barStep + beat * 4), sn, true);
        }
        for (int e = 0; e < 2; ++e) {  // sleigh bells on every eighth
          Voice h;
          h.wave = Wave::Noise;
          h.freq0 = h.freq1 = 16000;
          h.length = 0.01f; h.attack = 0.002f; h.decay = 0.04f; h.sustain = 0; h.release = 0.03f;
          h.volume = e == 1 ? 0.09f : 0.05f;
          h.seed = uint32_t(barStep * 13 + beat * 2 + e);
          renderVoice(mix, R, at(barStep + beat * 4 + e * 2), h, true);
        }
      }
    }
  }
  // Gentle smoothing of the harsh top, done circularly so the loop point stays seamless.
  std::vector<float> twice(mix);
  twice.insert(twice.end(), mix.begin(), mix.end());
  lowPass(twice, R, 7500);
  for (long i = 0; i < total; ++i) mix[size_t(i)] = twice[size_t(i + total)];
  normalise(mix, 0.8f);
  return mix;
}

// Tonic 60 = C4. Degrees: 0 I, 1 ii, 2 iii, 3 IV, 4 V, 5 vi, 6 vii.
std::vector<float> precluded() {
  return render({120, 60, false, 4, 32, {0, 5, 3, 4, 0, 3, 4, 0}, {3, 0, 1, 4, 0, 5, 4, 0}, 101, 0.25f, 0, 0.7f});
}
std::vector<float> questioned() {
  return render({104, 57, true, 4, 32, {0, 5, 2, 6, 0, 3, 4, 0}, {5, 6, 0, 3, 5, 6, 4, 0}, 202, 0.5f, 2, 0.5f});
}
std::vector<float> ringing() {
  return render({140, 62, false, 4, 32, {0, 3, 0, 4, 0, 3, 4, 0}, {3, 3, 0, 5, 1, 4, 4, 0}, 303, 0.25f, 1, 1.0f});
}
std::vector<float> started() {
  return render({132, 65, false, 4, 32, {0, 4, 5, 3, 0, 4, 3, 0}, {3, 4, 2, 5, 1, 4, 4, 0}, 404, 0.25f, 0, 0.8f});
}
std::vector<float> traced() {
  return render({112, 67, false, 3, 32, {0, 0, 3, 4, 0, 5, 4, 0}, {3, 0, 1, 4, 5, 3, 4, 0}, 505, 0.5f, 0, 0.9f});
}
std::vector<float> undercover() {
  return render({100, 64, true, 4, 32, {0, 0, 5, 4, 0, 3, 4, 0}, {3, 5, 6, 0, 3, 5, 4, 0}, 606, 0.125f, 2, 0.3f});
}
std::vector<float> valid() {
  return render({150, 58, false, 4, 32, {0, 3, 4, 0, 5, 1, 4, 0}, {3, 4, 0, 5, 3, 4, 4, 0}, 707, 0.25f, 1, 0.7f});
}

}  // namespace

std::vector<TuneDef> tunes() {
  return {{"Precluded", precluded}, {"Questioned", questioned}, {"Ringing", ringing},
          {"Started", started},     {"Traced", traced},         {"Undercover", undercover},
          {"Valid", valid}};
}

}  // namespace datagen
