// The pause screen's drawing toy: a pen on the end of two turning arms traces a looping
// figure, leaving a rainbow trail of the last hundred strokes. Up and down shorten and
// lengthen the second arm, left and right slow and speed its turning, so waiting players
// have something to fiddle with; the arm and speed are shown in the corner. The toy's
// angles and trail live in the game object, so the figure carries on at the next pause.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"

namespace {

constexpr int kTrailPoints = 102;
constexpr float kMaxSpeed = 128;
constexpr float kSpeedStep = 0.25f;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

double SinDeg(double degrees) { return std::sin(degrees * kRadiansPerDegree); }
double CosDeg(double degrees) { return std::cos(degrees * kRadiansPerDegree); }

float Clamp(float value, float low, float high) { return value < low ? low : (value > high ? high : value); }

float Turned(float angle, float step) { return std::fmod(angle + step, 360.0f); }

// A colour component: truncated to a whole number, then kept within 0..255.
float ColourPart(double value) { return Clamp(static_cast<float>(static_cast<int>(value)), 0, 255); }

}  // namespace

void c_MyApp::p_PauseToy() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  float radius = std::fmin(0.45f * screenH, 0.45f * (screenW - 96));
  float centreX = screenW / 2 + 96;
  float centreY = screenH / 2;

  m_toyAngleA = Turned(m_toyAngleA, 1);
  m_toyAngleB = Turned(m_toyAngleB, m_toySpeed);
  m_toyHue = Turned(m_toyHue, 1.5f);
  if (p_PlayKeyAll(kUp, 1) > 0) m_toyArm -= 1;
  if (p_PlayKeyAll(kDown, 1) > 0) m_toyArm += 1;
  if (p_PlayKeyAll(kLeft, 1) > 0) m_toySpeed -= kSpeedStep;
  if (p_PlayKeyAll(kRight, 1) > 0) m_toySpeed += kSpeedStep;
  m_toyArm = Clamp(m_toyArm, 0, radius);
  m_toySpeed = Clamp(m_toySpeed, 0, kMaxSpeed);

  float* trail = m_toyTrail.Data();
  float penX = static_cast<float>(centreX + SinDeg(m_toyAngleA) * (radius - m_toyArm) + SinDeg(m_toyAngleB) * m_toyArm);
  float penY = static_cast<float>(centreY - CosDeg(m_toyAngleA) * (radius - m_toyArm) - CosDeg(m_toyAngleB) * m_toyArm);
  // The pen never reaches the screen's corner, so a trail still at (0, 0) has never been
  // drawn; it starts at the pen instead of streaking in from the corner.
  if (trail[0] == 0 && trail[1] == 0) {
    for (int point = 0; point < kTrailPoints; ++point) {
      trail[2 * point] = penX;
      trail[2 * point + 1] = penY;
    }
  }
  trail[2 * (kTrailPoints - 1)] = penX;
  trail[2 * (kTrailPoints - 1) + 1] = penY;

  p_ResetDraw();
  for (int i = 0; i < kTrailPoints - 1; ++i) {
    double hue = m_toyHue + 2.0 * i;
    p_SetCol(ColourPart(i + i * SinDeg(hue)), ColourPart(i + i * CosDeg(hue)), ColourPart(i - i * CosDeg(hue)), 1);
    float* from = trail + 2 * i;
    float* to = from + 2;
    p_Line(from[0], from[1], to[0], to[1]);
    p_Line(from[0] - 0.5f, from[1] - 0.5f, to[0] - 0.5f, to[1] - 0.5f);
    from[0] = to[0];
    from[1] = to[1];
  }

  p_SetCol(100, 255, 100, 0.8f);
  String setting = String(static_cast<int>(m_toyArm)) + String(":") + String(static_cast<int>(m_toySpeed));
  p_Text(screenW - 8, screenH - 8, setting, 2, 2);
}
