// The synthesiser shared by the effects and the tunes: chiptune oscillators (pulse,
// triangle, saw, sine, sampled noise), envelopes, pitch sweeps and a few filters, all
// rendering into float buffers. Noise comes from a seeded generator, so every sound is the
// same on every build.
#pragma once

#include <cstdint>
#include <vector>

namespace datagen {

enum class Wave { Pulse, Triangle, Saw, Sine, Noise, Bell };

struct Voice {
  Wave wave = Wave::Pulse;
  float duty = 0.5f;          // pulse width
  float freq0 = 440;          // start frequency (Hz); for noise the sample-and-hold rate
  float freq1 = 440;          // end frequency, reached exponentially over the sweep time
  float sweep = 0;            // seconds of the sweep (0: the whole note)
  float vibratoHz = 0, vibratoDepth = 0;  // depth in semitones
  float attack = 0.005f, decay = 0.1f, sustain = 0.6f, release = 0.05f;
  float length = 0.2f;        // seconds from note on to release start
  float volume = 0.5f;
  uint32_t seed = 1;
};

// Adds one note into buf starting at sample `at` (wrapping around the buffer when `wrap`).
void renderVoice(std::vector<float>& buf, int rate, long at, const Voice& v, bool wrap = false);
// One-pole filters in place.
void lowPass(std::vector<float>& buf, int rate, float cutoffHz);
void highPass(std::vector<float>& buf, int rate, float cutoffHz);
// A resonant band-pass (for formants), adding `gain` x the filtered input to out.
void bandPassInto(const std::vector<float>& in, std::vector<float>& out, int rate, float hz, float q,
                  float gain);
void normalise(std::vector<float>& buf, float peak);
void fadeEdges(std::vector<float>& buf, int rate, float inSec, float outSec);
float noteHz(float midi);

}  // namespace datagen
