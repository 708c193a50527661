// The font handler's persistent texts.
#include "kit/bmfont_handler.hpp"

std::shared_ptr<MGE_BMFontText> MGE_BMFontHandler::Text(const std::string& text, float x, float y,
                                                        float alpha, float xscale, float yscale,
                                                        float spacing, int centred, float red,
                                                        float green, float blue, float shadowx,
                                                        float shadowy, float shadowalpha,
                                                        int blend) {
  auto item = std::make_shared<MGE_BMFontText>();
  item->t = text;
  item->x = x;
  item->y = y;
  item->xscale = xscale;
  item->yscale = yscale;
  item->spacing = spacing;
  item->red = red;
  item->green = green;
  item->blue = blue;
  item->alpha = alpha;
  item->blend = blend;
  item->centered = centred;
  item->shadowx = shadowx;
  item->shadowy = shadowy;
  item->shadowalpha = shadowalpha;
  item->active = 1;
  item->link = TextList.AddLast(item);
  return item;
}

int MGE_BMFontHandler::RenderText() const {
  TextList.ForEach([this](const MGE_BMFontText& item) {
    if (!item.active) return;
    DrawRun(item.t, item.x, item.y,
            {item.xscale, item.yscale, item.spacing, item.red, item.green, item.blue, item.alpha,
             item.blend, item.centered, item.shadowx, item.shadowy, item.shadowalpha});
  });
  return 0;
}
