// Drawing rectangles of texture slots: the blit family and the two quad paths every kit picture
// (sprites, tiles, fonts, the pointer) goes through.
#include "kit/game_system.hpp"
#include "platform/graphics.hpp"

namespace {

// Draws the texel rectangle of the first frame as the quad (x0, y0)-(x0 + sw, y0 + sh) around
// (x, y). Texture coordinates are texels over the image width for u and v alike (the atlases
// are square); the frame shows the whole image again afterwards.
void DrawPart(TImage& image, float x, float y, float x0, float y0, float sx, float sy, float sw,
              float sh) {
  if (image.frames.empty() || image.width <= 0) return;
  TImageFrame& frame = *image.frames.front();
  float inv = 1.0f / float(image.width);
  frame.SetUV(sx * inv, sy * inv, (sx + sw) * inv, (sy + sh) * inv);
  frame.Draw(x0, y0, x0 + sw, y0 + sh, x, y);
  frame.SetUV(0.0f, 0.0f, 1.0f, 1.0f);
}

void SetBlitState(int red, int green, int blue, int blend, float rotation, float scale_x,
                  float scale_y, float alpha) {
  SetColor(red, green, blue);
  SetBlend(blend);
  SetTransform(rotation, scale_x, scale_y);
  SetAlpha(alpha);
}

}  // namespace

int MGE_GameHelpers::DrawUV(const ImagePtr& image, float x, float y, float sx, float sy, float sw,
                           float sh) {
  if (image) DrawPart(*image, x, y, -image->handle_x, -image->handle_y, sx, sy, sw, sh);
  return 0;
}

int MGE_GameHelpers::DrawUVR(const ImagePtr& image, float x, float y, float sx, float sy, float sw,
                            float sh) {
  if (image) DrawPart(*image, x, y, 0.0f, 0.0f, sx, sy, sw, sh);
  return 0;
}

int MGE_GameSystem::Blit(int slot, int sx, int sy, int sw, int sh, float x, float y, float alpha,
                         float scale, float rotation, int blend) {
  const MGE_KitState& kit = KitState();
  return BlitB(slot, sx, sy, sw, sh, x + kit.renderOffsetX, y + kit.renderOffsetY, alpha, scale,
               rotation, blend);
}

int MGE_GameSystem::BlitB(int slot, int sx, int sy, int sw, int sh, float x, float y, float alpha,
                          float scale, float rotation, int blend) {
  SetBlitState(255, 255, 255, blend, rotation, scale, scale, alpha);
  const ImagePtr& image = MGE_TextureHandler::Get(slot);
  if (!image) return 0;
  ImageSetHandle(image, float(sw / 2), float(sh / 2));
  return DrawUV(image, x, y, float(sx), float(sy), float(sw), float(sh));
}

int MGE_GameSystem::BlitR(int slot, int sx, int sy, int sw, int sh, float x, float y, float alpha,
                          float scale, float rotation, int blend, int red, int green, int blue) {
  SetBlitState(red, green, blue, blend, rotation, scale, scale, alpha);
  const ImagePtr& image = MGE_TextureHandler::Get(slot);
  if (!image) return 0;
  ImageSetHandle(image, 0.0f, 0.0f);
  const MGE_KitState& kit = KitState();
  return DrawUVR(image, x + kit.renderOffsetX, y + kit.renderOffsetY, float(sx), float(sy),
                 float(sw), float(sh));
}

int MGE_GameSystem::BlitS(int slot, int sx, int sy, int sw, int sh, float x, float y, float scaleX,
                          float scaleY) {
  SetBlitState(255, 255, 255, ALPHABLEND, 0.0f, scaleX, scaleY, 1.0f);
  const ImagePtr& image = MGE_TextureHandler::Get(slot);
  if (!image) return 0;
  ImageSetHandle(image, 0.0f, 0.0f);
  const MGE_KitState& kit = KitState();
  return DrawUVR(image, x + kit.renderOffsetX, y + kit.renderOffsetY, float(sx), float(sy),
                 float(sw), float(sh));
}
