// Small math helpers and the single-precision angle conversion constants.
#pragma once

constexpr float R2D = 57.295780181884766f;  // degrees per radian
constexpr float D2R = 0.01745329238474369f;  // radians per degree

// On a tie the first argument wins.
inline int zr_math_Max(int a, int b) { return a >= b ? a : b; }
inline float zr_math_Max2(float a, float b) { return a >= b ? a : b; }
inline int zr_math_Min(int a, int b) { return a <= b ? a : b; }
inline float zr_math_Min2(float a, float b) { return a <= b ? a : b; }
