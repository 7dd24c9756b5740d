// The particle pool: sparks, debris, confetti, blocks and floating numbers thrown by the
// games. Ten floats per slot in m_particles (kind, x, y, vx, vy, rotation, spin, life,
// colour, frame); kind 0 marks a free slot. Only slots 0..m_particleLimit are used, so
// a game can trade effects for speed, and a throw into a full pool is dropped rather
// than displacing a live particle.
#include <cmath>

#include "game/shell/my_app.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

constexpr int kSlotSize = 10;
constexpr int kSheetImage = 96;
// Sparks, debris and confetti are drawn from the 8-pixel particle cells at a little under
// their full size: a fifth of it (1.6 pixels) left a ship's debris or a catch's sparks
// as specks nobody could see at 640x480.
constexpr float kSpriteScale = 0.7f;
constexpr int kBlockSize = 16;

enum Field { kKind, kX, kY, kVx, kVy, kRotation, kSpin, kLife, kColour, kFrame };

enum Kind { kFree = 0, kDebris = 2, kBouncer = 3, kSmoke = 4, kSpark = 5, kFlash = 6,
            kLastSprite = 9, kBlock = 16, kNumber = 99 };

// The limit is a public field, so the last slot is also bounded by the table itself.
int LastParticleSlot(const Array<float>& table, int limit) {
  return zr_math_Min(limit, table.Length() / kSlotSize - 1);
}

}  // namespace

int c_MyApp::p_FreeParticle() {
  for (int slot = LastParticleSlot(m_particles, m_particleLimit); slot >= 0; --slot) {
    if (m_particles[slot * kSlotSize + kKind] == kFree) return slot * kSlotSize;
  }
  return -1;
}

void c_MyApp::p_ResetParticles(int n) {
  if (n >= 1 && n < 500) m_particleLimit = n;
  for (int slot = LastParticleSlot(m_particles, m_particleLimit); slot >= 0; --slot) {
    m_particles[slot * kSlotSize + kKind] = kFree;
  }
}

void c_MyApp::p_ThrowParticle(float x, float y, int kind, int colour, float angle,
                              float speed) {
  if (angle == kNotGiven) angle = zr_random_Rnd() * 360;
  if (speed == kNotGiven) speed = 3 + zr_random_Rnd() * 5;
  int base = p_FreeParticle();
  if (base < 0) return;
  float* particle = m_particles.Data() + base;
  particle[kKind] = static_cast<float>(kind);
  particle[kX] = x;
  particle[kY] = y;
  particle[kVx] = std::sin(angle * D2R) * speed;
  particle[kVy] = -std::cos(angle * D2R) * speed;
  particle[kRotation] = zr_random_Rnd() * 360;
  particle[kSpin] = zr_random_Rnd() * 16 - 8;
  if (kind == kBouncer) {
    // A bouncer keeps its floor in the rotation field and does not spin.
    particle[kRotation] = y + zr_random_Rnd() * 32 - 16;
    particle[kSpin] = 0;
  }
  particle[kLife] = 0.7f + zr_random_Rnd() * 0.6f;
  particle[kColour] = static_cast<float>(colour);
  particle[kFrame] = std::floor(zr_random_Rnd() * 255.99f);
}

void c_MyApp::p_DoParticles(float) {
  for (int slot = 0; slot <= LastParticleSlot(m_particles, m_particleLimit); ++slot) {
    float* particle = m_particles.Data() + slot * kSlotSize;
    int kind = static_cast<int>(particle[kKind]);
    if (kind <= kFree) continue;

    particle[kX] += particle[kVx];
    particle[kY] += particle[kVy];
    particle[kRotation] += particle[kSpin];
    switch (kind) {
      case kDebris:
        particle[kVx] *= 0.95f;
        particle[kVy] += 0.2f;
        break;
      case kSpark:
        particle[kVx] *= 0.98f;
        particle[kVy] += 0.1f;
        break;
      case kBouncer:
        particle[kVx] *= 0.98f;
        particle[kVy] += 0.2f;
        if (particle[kRotation] < particle[kY]) particle[kVy] = zr_random_Rnd() * 2 - 3;
        break;
      case kSmoke:
        particle[kVx] *= 0.94f + zr_random_Rnd() * 0.04f;
        particle[kVy] *= 0.94f + zr_random_Rnd() * 0.04f;
        break;
      default:
        break;
    }

    float screenX = particle[kX] - m_camX;
    float screenY = particle[kY] - m_camY;
    p_Ink(static_cast<int>(particle[kColour]), 1);
    p_Alpha(particle[kLife]);
    if (kind <= kLastSprite) {
      p_SetSize(kSpriteScale);
      p_SetRot(-particle[kRotation]);
      p_Blend(1);
      p_DrawImg(kSheetImage, screenX, screenY, particle[kFrame]);
    } else if (kind == kBlock) {
      p_SetRot(0);
      p_Rect(std::floor(screenX / kBlockSize) * kBlockSize,
             std::floor(screenY / kBlockSize) * kBlockSize, kBlockSize, kBlockSize);
    } else if (kind == kNumber) {
      p_SetSize(1);
      p_SetRot(0);
      p_Text(screenX, screenY, String(static_cast<int>(particle[kFrame])));
    }

    if (kind == kSpark) particle[kLife] -= 0.02f;
    if (kind == kFlash) particle[kLife] -= 0.05f;
    particle[kLife] -= 0.01f;
    if (kind == kBlock) particle[kLife] -= 0.003f;
    if (particle[kLife] < 0) particle[kKind] = kFree;
  }
  p_ResetDraw();
}
