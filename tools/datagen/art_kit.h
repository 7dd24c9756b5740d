// Shared pieces of the festive look: the player emblems (star, snowflake, bell, tree), faces,
// glossy bauble bodies, santa hats and snow caps. Every sprite builds on these so the four
// players look the same in every game.
#pragma once

#include "raster.h"

namespace datagen {

constexpr float kOutline = 1.0f;  // ink outline width of sprites, logical pixels

// The emblem of player p centred on (cx, cy), `size` = half its height.
void emblem(Painter& p, int player, float cx, float cy, float size, Rgba fill = kWhite,
            float ow = 0.7f);
// A glossy round body in player colour with a highlight.
Paint glossy(Rgba base, float cx, float cy, float r);
void highlight(Painter& p, float cx, float cy, float rx, float ry, float alpha = 0.55f);
// Two eyes looking in direction (lx, ly) and an optional smile.
void eyes(Painter& p, float cx, float cy, float spacing, float r, float lx = 0, float ly = 0);
void smile(Painter& p, float cx, float cy, float w, float width = 1.1f);
// A santa hat whose brim is centred on (cx, cy), tilted by rot degrees.
void santaHat(Painter& p, float cx, float cy, float w, float rot, Rgba colour = rgb(225, 30, 40));

}  // namespace datagen
