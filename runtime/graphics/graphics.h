// The drawing interface the application sees: free functions over one global graphics
// context that keep the matrix (with a stack), colour, alpha, blend and scissor and pass
// them on to the render device, plus image and font loading. Drawing calls act only
// between zr_graphics_BeginRender and zr_graphics_EndRender; outside a frame, with a null
// image or with a frame number the image does not have, they draw nothing.
#pragma once

#include "runtime/array.h"
#include "runtime/graphics/graphics_context.h"
#include "runtime/graphics/image.h"
#include "runtime/graphics/render_device.h"
#include "runtime/string.h"

extern gxtkGraphics* zr_graphics_device;
extern gxtkGraphics* zr_graphics_renderDevice;
extern c_GraphicsContext* zr_graphics_context;

void zr_graphics_SetGraphicsDevice(gxtkGraphics* device);
void zr_graphics_BeginRender();
void zr_graphics_EndRender();

void zr_graphics_SetMatrix(float a, float b, float c, float d, float tx, float ty);
void zr_graphics_Transform(float a, float b, float c, float d, float tx, float ty);
void zr_graphics_Translate(float x, float y);
void zr_graphics_Scale(float x, float y);
// Degrees; a positive angle turns counter-clockwise on screen.
void zr_graphics_Rotate(float degrees);
void zr_graphics_PushMatrix();
void zr_graphics_PopMatrix();

void zr_graphics_SetColor(float r, float g, float b);
void zr_graphics_SetAlpha(float alpha);
void zr_graphics_SetBlend(int mode);
void zr_graphics_SetScissor(float x, float y, float w, float h);

void zr_graphics_DrawRect(float x, float y, float w, float h);
void zr_graphics_DrawLine(float x1, float y1, float x2, float y2);
// (x, y) is the centre, xr and yr the radii.
void zr_graphics_DrawEllipse(float x, float y, float xr, float yr);
void zr_graphics_DrawImage(c_Image* image, float x, float y, int frame);
// Turns and scales the frame about its handle, which lands on (x, y).
void zr_graphics_DrawImage2(c_Image* image, float x, float y, float rotation, float scaleX, float scaleY, int frame);

// Null when the file is missing or cannot be decoded.
c_Image* zr_graphics_LoadImage(String path, int frameCount, int flags);
c_Image* zr_graphics_LoadImage2(String path, int frameWidth, int frameHeight, int frameCount, int flags);
// A null font selects the built-in "vobo_font.png" (96 cells, padded) from character 32.
void zr_graphics_SetFont(c_Image* font, int firstChar);
