// The synthesiser (see synth.h) and the WAV writer.
#include "synth.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "audio.h"

namespace datagen {

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

float noteHz(float midi) { return 440.0f * std::pow(2.0f, (midi - 69) / 12.0f); }

void renderVoice(std::vector<float>& buf, int rate, long at, const Voice& v, bool wrap) {
  long total = long((v.length + v.release) * rate);
  double phase = 0;
  uint32_t rng = v.seed * 2654435761u + 12345;
  float held = 0;
  double holdPhase = 1;
  float sweep = v.sweep > 0 ? v.sweep : v.length + v.release;
  float ratio = v.freq1 / v.freq0;
  long n = long(buf.size());
  for (long i = 0; i < total; ++i) {
    float t = float(i) / rate;
    // envelope
    float env;
    if (t < v.attack) env = t / v.attack;
    else if (t < v.attack + v.decay) env = 1 - (1 - v.sustain) * (t - v.attack) / v.decay;
    else env = v.sustain;
    if (t > v.length) env *= std::max(0.0f, 1 - (t - v.length) / std::max(1e-4f, v.release));
    if (env <= 0 && t > v.length) break;
    // pitch
    float k = std::min(1.0f, t / sweep);
    double f = v.freq0 * std::pow(ratio, k);
    if (v.vibratoDepth > 0)
      f *= std::pow(2.0, v.vibratoDepth / 12.0 * std::sin(kTwoPi * v.vibratoHz * t));
    double step = f / rate;
    float s;
    switch (v.wave) {
      case Wave::Pulse: s = std::fmod(phase, 1.0) < v.duty ? 1.0f : -1.0f; break;
      case Wave::Triangle: {
        double ph = std::fmod(phase, 1.0);
        s = float(ph < 0.5 ? 4 * ph - 1 : 3 - 4 * ph);
        break;
      }
      case Wave::Saw: s = float(2 * std::fmod(phase, 1.0) - 1); break;
      case Wave::Sine: s = float(std::sin(kTwoPi * phase)); break;
      case Wave::Bell:  // inharmonic partials decaying at their own rates
        s = float(std::sin(kTwoPi * phase) + 0.5 * std::sin(kTwoPi * phase * 2.76) * std::exp(-t * 6) +
                  0.25 * std::sin(kTwoPi * phase * 5.4) * std::exp(-t * 12)) * 0.6f;
        break;
      default:  // noise: a new random value every 1/f seconds
        holdPhase += step;
        if (holdPhase >= 1) {
          holdPhase -= std::floor(holdPhase);
          rng ^= rng << 13;
          rng ^= rng >> 17;
          rng ^= rng << 5;
          held = float(rng & 0xffff) / 32768.0f - 1;
        }
        s = held;
        break;
    }
    phase += step;
    long idx = at + i;
    if (wrap) idx = ((idx % n) + n) % n;
    if (idx < 0 || idx >= n) continue;
    buf[idx] += s * env * v.volume;
  }
}

void lowPass(std::vector<float>& buf, int rate, float hz) {
  float a = 1 - std::exp(float(-kTwoPi * hz / rate));
  float y = 0;
  for (float& x : buf) x = y += a * (x - y);
}

void highPass(std::vector<float>& buf, int rate, float hz) {
  float a = std::exp(float(-kTwoPi * hz / rate));
  float prevX = 0, y = 0;
  for (float& x : buf) {
    y = a * (y + x - prevX);
    prevX = x;
    x = y;
  }
}

void bandPassInto(const std::vector<float>& in, std::vector<float>& out, int rate, float hz, float q,
                  float gain) {
  // A state-variable filter.
  float f = 2 * std::sin(float(kTwoPi / 2 * hz / rate));
  float damp = 1 / q, low = 0, band = 0;
  for (size_t i = 0; i < in.size(); ++i) {
    float high = in[i] - low - damp * band;
    band += f * high;
    low += f * band;
    out[i] += band * gain;
  }
}

void normalise(std::vector<float>& buf, float peak) {
  float m = 0;
  for (float x : buf) m = std::max(m, std::fabs(x));
  if (m <= 0) return;
  for (float& x : buf) x *= peak / m;
}

void fadeEdges(std::vector<float>& buf, int rate, float inSec, float outSec) {
  long n = long(buf.size()), a = long(inSec * rate), b = long(outSec * rate);
  for (long i = 0; i < a && i < n; ++i) buf[i] *= float(i) / a;
  for (long i = 0; i < b && i < n; ++i) buf[n - 1 - i] *= float(i) / b;
}

bool writeWav(const std::string& path, const std::vector<float>& mono, int rate) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  auto u32 = [&](uint32_t v) {
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    std::fwrite(b, 1, 4, f);
  };
  auto u16 = [&](uint16_t v) {
    uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
    std::fwrite(b, 1, 2, f);
  };
  uint32_t dataBytes = uint32_t(mono.size() * 2);
  std::fwrite("RIFF", 1, 4, f);
  u32(36 + dataBytes);
  std::fwrite("WAVEfmt ", 1, 8, f);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(uint32_t(rate));
  u32(uint32_t(rate * 2));
  u16(2);
  u16(16);
  std::fwrite("data", 1, 4, f);
  u32(dataBytes);
  for (float x : mono) {
    float c = std::max(-1.0f, std::min(1.0f, x));
    u16(uint16_t(int16_t(std::lround(c * 32767))));
  }
  return std::fclose(f) == 0;
}

}  // namespace datagen
