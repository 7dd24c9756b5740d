// The sound effects, one recipe each: shots, hits, hops, zaps, explosions, pops, chimes,
// bleats, the start jingle, the party's fanfare and the interface clicks (ids as the
// game plays them).
#include <cmath>

#include "audio.h"
#include "synth.h"

namespace datagen {

namespace {

constexpr int R = kSfxRate;

std::vector<float> buffer(float seconds) { return std::vector<float>(size_t(seconds * R), 0.0f); }

Voice tone(Wave w, float f0, float f1, float len, float vol) {
  Voice v;
  v.wave = w;
  v.freq0 = f0;
  v.freq1 = f1;
  v.length = len;
  v.volume = vol;
  return v;
}

std::vector<float> finish(std::vector<float> b, float peak = 0.85f) {
  normalise(b, peak);
  fadeEdges(b, R, 0.001f, 0.01f);
  return b;
}

// 1: a short shot / thump
std::vector<float> shot() {
  auto b = buffer(0.25f);
  Voice n = tone(Wave::Noise, 6000, 800, 0.05f, 0.7f);
  n.decay = 0.08f; n.sustain = 0; n.release = 0.12f; n.seed = 1;
  renderVoice(b, R, 0, n);
  Voice k = tone(Wave::Pulse, 220, 50, 0.08f, 0.6f);
  k.decay = 0.12f; k.sustain = 0.2f; k.release = 0.1f;
  renderVoice(b, R, 0, k);
  lowPass(b, R, 3500);
  return finish(b);
}

// 2: a crunchy hit / small explosion
std::vector<float> crunch() {
  auto b = buffer(0.45f);
  Voice n = tone(Wave::Noise, 5000, 600, 0.1f, 0.8f);
  n.decay = 0.3f; n.sustain = 0.0f; n.release = 0.3f; n.seed = 2;
  renderVoice(b, R, 0, n);
  Voice k = tone(Wave::Pulse, 160, 40, 0.15f, 0.4f);
  k.duty = 0.3f; k.decay = 0.2f; k.sustain = 0.1f;
  renderVoice(b, R, 0, k);
  lowPass(b, R, 5000);
  return finish(b);
}

// 3: a jump / hop
std::vector<float> hop() {
  auto b = buffer(0.2f);
  Voice v = tone(Wave::Pulse, 280, 760, 0.12f, 0.5f);
  v.duty = 0.25f; v.sustain = 0.7f; v.release = 0.05f;
  renderVoice(b, R, 0, v);
  lowPass(b, R, 6000);
  return finish(b, 0.5f);
}

// 4: a bump / impact
std::vector<float> bump() {
  auto b = buffer(0.2f);
  Voice v = tone(Wave::Triangle, 190, 60, 0.08f, 0.9f);
  v.decay = 0.1f; v.sustain = 0.3f; v.release = 0.08f;
  renderVoice(b, R, 0, v);
  Voice c = tone(Wave::Noise, 3000, 1000, 0.01f, 0.4f);
  c.decay = 0.02f; c.sustain = 0; c.release = 0.02f; c.seed = 4;
  renderVoice(b, R, 0, c);
  return finish(b);
}

// 5: a laser zap
std::vector<float> zap() {
  auto b = buffer(0.3f);
  Voice v = tone(Wave::Saw, 1900, 180, 0.2f, 0.5f);
  v.vibratoHz = 40; v.vibratoDepth = 1.5f; v.sustain = 0.8f; v.release = 0.08f;
  renderVoice(b, R, 0, v);
  Voice w = tone(Wave::Pulse, 950, 90, 0.2f, 0.3f);
  w.duty = 0.125f; w.release = 0.08f;
  renderVoice(b, R, 0, w);
  lowPass(b, R, 7000);
  return finish(b, 0.75f);
}

// 6: a big explosion
std::vector<float> boom() {
  auto b = buffer(1.3f);
  Voice n = tone(Wave::Noise, 3500, 250, 0.3f, 0.9f);
  n.attack = 0.005f; n.decay = 0.6f; n.sustain = 0.35f; n.release = 0.9f; n.seed = 6;
  renderVoice(b, R, 0, n);
  Voice r = tone(Wave::Sine, 70, 28, 0.4f, 0.8f);
  r.decay = 0.4f; r.sustain = 0.4f; r.release = 0.6f;
  renderVoice(b, R, 0, r);
  lowPass(b, R, 2500);
  return finish(b, 0.9f);
}

// 7: a flap
std::vector<float> flap() {
  auto b = buffer(0.18f);
  for (int i = 0; i < 2; ++i) {
    Voice n = tone(Wave::Noise, 2500, 900, 0.03f, 0.7f);
    n.attack = 0.01f; n.decay = 0.04f; n.sustain = 0; n.release = 0.04f; n.seed = 7 + i;
    renderVoice(b, R, long(i * 0.06f * R), n);
  }
  lowPass(b, R, 2200);
  return finish(b, 0.7f);
}

// 8: a warning thud
std::vector<float> thud() {
  auto b = buffer(0.5f);
  Voice v = tone(Wave::Sine, 110, 38, 0.2f, 1.0f);
  v.decay = 0.2f; v.sustain = 0.4f; v.release = 0.25f;
  renderVoice(b, R, 0, v);
  Voice n = tone(Wave::Noise, 1200, 300, 0.05f, 0.5f);
  n.decay = 0.1f; n.sustain = 0; n.release = 0.1f; n.seed = 8;
  renderVoice(b, R, 0, n);
  Voice w = tone(Wave::Pulse, 82, 55, 0.25f, 0.25f);
  w.duty = 0.5f; w.release = 0.15f;
  renderVoice(b, R, long(0.02f * R), w);
  lowPass(b, R, 1800);
  return finish(b, 0.9f);
}

// 9: a player-out / hurt sound: a wobbling fall
std::vector<float> hurt() {
  auto b = buffer(0.6f);
  Voice v = tone(Wave::Pulse, 620, 110, 0.45f, 0.5f);
  v.duty = 0.25f; v.vibratoHz = 14; v.vibratoDepth = 0.8f; v.sustain = 0.8f; v.release = 0.1f;
  renderVoice(b, R, 0, v);
  Voice t = tone(Wave::Triangle, 310, 55, 0.45f, 0.5f);
  t.release = 0.1f;
  renderVoice(b, R, 0, t);
  lowPass(b, R, 5000);
  return finish(b, 0.75f);
}

// 10, 11, 13: pops
std::vector<float> pop(float f0, float f1, uint32_t seed) {
  auto b = buffer(0.12f);
  Voice v = tone(Wave::Sine, f0, f1, 0.03f, 0.9f);
  v.attack = 0.001f; v.decay = 0.04f; v.sustain = 0.2f; v.release = 0.04f; v.sweep = 0.03f;
  renderVoice(b, R, 0, v);
  Voice c = tone(Wave::Noise, 8000, 8000, 0.005f, 0.35f);
  c.attack = 0.0005f; c.decay = 0.006f; c.sustain = 0; c.release = 0.006f; c.seed = seed;
  renderVoice(b, R, 0, c);
  return finish(b, 0.8f);
}
std::vector<float> pop1() { return pop(380, 1250, 10); }
std::vector<float> pop2() { return pop(520, 1600, 11); }
std::vector<float> pop3() { return pop(300, 900, 13); }

// 12: a clock tick
std::vector<float> tick() {
  auto b = buffer(0.08f);
  Voice c = tone(Wave::Noise, 9000, 9000, 0.003f, 0.6f);
  c.attack = 0.0005f; c.decay = 0.004f; c.sustain = 0; c.release = 0.004f; c.seed = 12;
  renderVoice(b, R, 0, c);
  Voice v = tone(Wave::Sine, 2100, 2100, 0.005f, 0.6f);
  v.attack = 0.0005f; v.decay = 0.03f; v.sustain = 0; v.release = 0.02f;
  renderVoice(b, R, 0, v);
  highPass(b, R, 600);
  return finish(b, 0.7f);
}

// 14: a pickup chime: two quick bell notes
std::vector<float> pickup() {
  auto b = buffer(0.45f);
  float notes[2] = {88, 95};  // E6, B6
  for (int i = 0; i < 2; ++i) {
    Voice v = tone(Wave::Pulse, noteHz(notes[i]), noteHz(notes[i]), 0.06f, 0.35f);
    v.duty = 0.25f; v.decay = 0.1f; v.sustain = 0.4f; v.release = 0.2f;
    renderVoice(b, R, long(i * 0.07f * R), v);
    Voice bl = tone(Wave::Bell, noteHz(notes[i]), noteHz(notes[i]), 0.05f, 0.5f);
    bl.decay = 0.3f; bl.sustain = 0; bl.release = 0.2f;
    renderVoice(b, R, long(i * 0.07f * R), bl);
  }
  lowPass(b, R, 8000);
  return finish(b, 0.75f);
}

// 15: a launch whoosh
std::vector<float> whoosh() {
  auto b = buffer(0.7f);
  Voice n = tone(Wave::Noise, 500, 6000, 0.35f, 0.7f);
  n.attack = 0.15f; n.decay = 0.2f; n.sustain = 0.5f; n.release = 0.3f; n.sweep = 0.45f; n.seed = 15;
  renderVoice(b, R, 0, n);
  Voice v = tone(Wave::Pulse, 90, 240, 0.35f, 0.2f);
  v.duty = 0.2f; v.attack = 0.05f; v.release = 0.25f;
  renderVoice(b, R, 0, v);
  lowPass(b, R, 4000);
  return finish(b, 0.8f);
}

// 16, 17, 18: sheep bleats: a buzzy voice with a fast wobble, shaped by two formants.
std::vector<float> bleat(float pitch, float len, float f1, float f2, uint32_t seed) {
  auto src = buffer(len + 0.15f);
  Voice v = tone(Wave::Saw, pitch, pitch * 0.85f, len, 0.6f);
  v.attack = 0.04f; v.decay = 0.1f; v.sustain = 0.8f; v.release = 0.12f;
  v.vibratoHz = 23; v.vibratoDepth = 0.9f; v.seed = seed;
  renderVoice(src, R, 0, v);
  Voice br = tone(Wave::Noise, 6000, 6000, len, 0.06f);
  br.attack = 0.04f; br.release = 0.1f; br.seed = seed;
  renderVoice(src, R, 0, br);
  std::vector<float> out(src.size(), 0.0f);
  bandPassInto(src, out, R, f1, 5, 1.0f);
  bandPassInto(src, out, R, f2, 6, 0.7f);
  bandPassInto(src, out, R, 2600, 4, 0.25f);
  // a tremolo gives the "b-a-a-a" flutter
  for (size_t i = 0; i < out.size(); ++i) out[i] *= 0.75f + 0.25f * std::sin(float(i) / R * 2 * 3.14159265f * 23);
  return finish(out, 0.8f);
}
std::vector<float> bleat1() { return bleat(330, 0.55f, 750, 1250, 16); }
std::vector<float> bleat2() { return bleat(410, 0.45f, 820, 1400, 17); }
std::vector<float> bleat3() { return bleat(260, 0.7f, 680, 1150, 18); }

// 95: a soft chime
std::vector<float> chime() {
  auto b = buffer(1.0f);
  Voice v = tone(Wave::Bell, noteHz(84), noteHz(84), 0.02f, 0.6f);
  v.attack = 0.003f; v.decay = 0.8f; v.sustain = 0; v.release = 0.15f;
  renderVoice(b, R, 0, v);
  Voice w = tone(Wave::Sine, noteHz(91), noteHz(91), 0.02f, 0.2f);
  w.attack = 0.003f; w.decay = 0.6f; w.sustain = 0; w.release = 0.1f;
  renderVoice(b, R, long(0.04f * R), w);
  return finish(b, 0.6f);
}

// 94: the fanfare for a party's winner: three quick brass-like calls and a held major
// chord under bells and sleigh bells (about 2.2 s), grander than the start jingle.
std::vector<float> fanfare() {
  auto b = buffer(2.3f);
  struct Call {
    float note, at, length;
  };
  const Call calls[5] = {{67, 0.0f, 0.09f}, {67, 0.14f, 0.09f}, {67, 0.28f, 0.09f}, {72, 0.42f, 0.3f},
                         {76, 0.78f, 0.12f}};
  for (const Call& c : calls) {
    for (int layer = 0; layer < 2; ++layer) {
      float note = c.note + layer * 12;
      Voice v = tone(Wave::Saw, noteHz(note), noteHz(note), c.length, layer ? 0.12f : 0.3f);
      v.attack = 0.012f; v.decay = 0.06f; v.sustain = 0.7f; v.release = 0.07f;
      renderVoice(b, R, long(c.at * R), v);
    }
  }
  const float chord[4] = {72, 76, 79, 84};  // C5 E5 G5 C6
  for (int i = 0; i < 4; ++i) {
    Voice v = tone(Wave::Saw, noteHz(chord[i]), noteHz(chord[i]), 0.9f, 0.16f);
    v.attack = 0.02f; v.decay = 0.4f; v.sustain = 0.55f; v.release = 0.45f;
    v.vibratoHz = 5.5f; v.vibratoDepth = 0.1f;
    renderVoice(b, R, long(0.96f * R), v);
    Voice bell = tone(Wave::Bell, noteHz(chord[i] + 12), noteHz(chord[i] + 12), 0.02f, 0.18f);
    bell.decay = 0.7f; bell.sustain = 0; bell.release = 0.2f;
    renderVoice(b, R, long((0.96f + 0.06f * i) * R), bell);
  }
  Voice bass = tone(Wave::Triangle, noteHz(48), noteHz(48), 0.9f, 0.5f);
  bass.release = 0.4f;
  renderVoice(b, R, long(0.96f * R), bass);
  for (int i = 0; i < 16; ++i) {
    Voice s = tone(Wave::Noise, 14000, 14000, 0.015f, i % 2 ? 0.1f : 0.18f);
    s.attack = 0.002f; s.decay = 0.05f; s.sustain = 0; s.release = 0.04f; s.seed = 940 + i;
    renderVoice(b, R, long((0.96f + i * 0.075f) * R), s);
  }
  lowPass(b, R, 7000);
  return finish(b, 0.8f);
}

// 96: the start jingle: a rising sleigh-bell arpeggio into a bright chord (about 1.5 s).
std::vector<float> jingle() {
  auto b = buffer(1.55f);
  float arp[6] = {72, 76, 79, 84, 88, 91};  // C5 E5 G5 C6 E6 G6
  for (int i = 0; i < 6; ++i) {
    Voice v = tone(Wave::Pulse, noteHz(arp[i]), noteHz(arp[i]), 0.1f, 0.28f);
    v.duty = 0.25f; v.decay = 0.08f; v.sustain = 0.5f; v.release = 0.12f;
    renderVoice(b, R, long(i * 0.09f * R), v);
    Voice bl = tone(Wave::Bell, noteHz(arp[i] + 12), noteHz(arp[i] + 12), 0.02f, 0.22f);
    bl.decay = 0.25f; bl.sustain = 0; bl.release = 0.1f;
    renderVoice(b, R, long(i * 0.09f * R), bl);
  }
  float chord[4] = {72, 76, 79, 84};
  for (int i = 0; i < 4; ++i) {
    Voice v = tone(Wave::Pulse, noteHz(chord[i]), noteHz(chord[i]), 0.6f, 0.2f);
    v.duty = i % 2 ? 0.25f : 0.5f; v.decay = 0.3f; v.sustain = 0.5f; v.release = 0.3f;
    v.vibratoHz = 6; v.vibratoDepth = 0.12f;
    renderVoice(b, R, long(0.58f * R), v);
  }
  Voice bass = tone(Wave::Triangle, noteHz(48), noteHz(48), 0.6f, 0.5f);
  bass.release = 0.3f;
  renderVoice(b, R, long(0.58f * R), bass);
  // sleigh bells: short bursts of high noise on every eighth
  for (int i = 0; i < 14; ++i) {
    Voice s = tone(Wave::Noise, 14000, 14000, 0.015f, i % 2 ? 0.12f : 0.2f);
    s.attack = 0.002f; s.decay = 0.05f; s.sustain = 0; s.release = 0.04f; s.seed = 960 + i;
    renderVoice(b, R, long(i * 0.09f * R), s);
  }
  lowPass(b, R, 9000);
  return finish(b, 0.8f);
}

// 98: interface confirm: two rising notes
std::vector<float> confirm() {
  auto b = buffer(0.25f);
  float notes[2] = {79, 84};
  for (int i = 0; i < 2; ++i) {
    Voice v = tone(Wave::Pulse, noteHz(notes[i]), noteHz(notes[i]), 0.06f, 0.4f);
    v.duty = 0.25f; v.decay = 0.05f; v.sustain = 0.6f; v.release = 0.06f;
    renderVoice(b, R, long(i * 0.07f * R), v);
  }
  lowPass(b, R, 7000);
  return finish(b, 0.7f);
}

// 99: interface select / click
std::vector<float> click() {
  auto b = buffer(0.07f);
  Voice v = tone(Wave::Triangle, 1320, 880, 0.025f, 0.8f);
  v.attack = 0.001f; v.decay = 0.02f; v.sustain = 0.3f; v.release = 0.025f;
  renderVoice(b, R, 0, v);
  return finish(b, 0.6f);
}

}  // namespace

std::vector<SoundDef> soundEffects() {
  return {{1, shot},    {2, crunch},  {3, hop},     {4, bump},    {5, zap},     {6, boom},
          {7, flap},    {8, thud},    {9, hurt},    {10, pop1},   {11, pop2},   {12, tick},
          {13, pop3},   {14, pickup}, {15, whoosh}, {16, bleat1}, {17, bleat2}, {18, bleat3},
          {94, fanfare}, {95, chime},  {96, jingle}, {98, confirm}, {99, click}};
}

}  // namespace datagen
