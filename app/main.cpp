// Until the saver itself lands: open a window and draw a test picture until Escape or close.
#include "assets/assets.hpp"
#include "platform/clock.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"

int main() {
  RegisterEmbeddedResources();
  SetAppTitle("VorpelScreenSaver");
  if (!GraphicsOpen(800, 500)) return 1;
  int start = MillisecondClock();
  while (!KeyHitCount(27) && !AppTerminateQuery()) {
    float t = float(ClockDiff(MillisecondClock(), start)) / 1000.0f;
    SetClsColor(10, 30, 60);
    Cls();
    SetBlend(ALPHABLEND);
    for (int i = 0; i < 12; ++i) {
      SetColor(80 + i * 14, 160, 255 - i * 10);
      SetAlpha(0.35f);
      SetTransform(t * 20.0f + i * 30.0f, 1, 1);
      SetDrawHandle(60, 60);
      DrawOval(400, 250, 120, 120);
    }
    SetTransform(0, 2, 2);
    SetDrawHandle(0, 0);
    SetAlpha(1);
    SetColor(255, 255, 255);
    TextDraw("Vorpel", 330, 220);
    Flip(1);
  }
  GraphicsClose();
  return 0;
}
