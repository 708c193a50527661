#include "framework/error_report.hpp"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "framework/globals.hpp"
#include "framework/text_lines.hpp"
#include "platform/replace_file.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"

namespace {
constexpr int kMargin = 10;

// "%d %b %Y" and "%H:%M:%S" with English month names whatever the locale.
std::string DateLine(const std::tm& t) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char buf[64];
  std::snprintf(buf, sizeof buf, "Date: %02d %s %04d", t.tm_mday, kMonths[t.tm_mon % 12],
                t.tm_year + 1900);
  return buf;
}

std::string TimeLine(const std::tm& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "Time: %02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
  return buf;
}
}  // namespace

bool WriteErrorLog(const std::string& folder, const std::string& message, long long unix_time) {
  std::time_t when = std::time_t(unix_time);
  std::tm local{};
  if (!localtime_r(&when, &local)) return false;
  std::string text = DateLine(local) + "\r\n" + TimeLine(local) + "\r\n" + message + "\r\n";
  return ReplaceFile(folder + "ErrorLog.txt", text);
}

void ReportError(const std::string& message, int endProgram) {
  SetAutoPoll(true);
  if (GraphicsIsOpen()) ErrorBox(message, 600, 100);
  else Notify(message, false);
  WriteErrorLog(DataFolder, message, std::time(nullptr));
  if (endProgram) std::exit(1);
}

void LogError(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", AppTitle().c_str(), message.c_str());
  WriteErrorLog(DataFolder, message, std::time(nullptr));
}

bool AnyKeyHit() {
  bool hit = false;
  for (int key = 0; key < 256; ++key) hit |= KeyHitCount(key) > 0;
  return hit;
}

bool AnyMouseHit() {
  bool hit = false;
  for (int button = 1; button <= 3; ++button) hit |= MouseHitCount(button) > 0;
  return hit;
}

void DrawShadowText(float x, float y, const std::string& text, bool centred) {
  if (centred) x -= float(TextMeasureWidth(text)) / 2.0f;
  int blend = GetBlend();
  int r, g, b;
  GetColor(r, g, b);
  SetBlend(ALPHABLEND);
  SetColor(0, 0, 0);
  SetAlpha(ShadowAlpha * TextAlpha);
  TextDraw(text, x + ShadowX, y + ShadowY);
  SetColor(r, g, b);
  SetAlpha(TextAlpha);
  TextDraw(text, x, y);
  SetBlend(blend);
}

void DrawShadowLines(float x, float y, const std::vector<std::string>& lines, bool centred,
                     int lineHeight) {
  if (lineHeight == 0) lineHeight = TextMeasureHeight();
  for (const std::string& line : lines) {
    DrawShadowText(x, y, line, centred);
    y += float(lineHeight);
  }
}

void ErrorBox(const std::string& message, int width, int height) {
  SetBlend(SOLIDBLEND);
  SetAlpha(1);
  SetColor(255, 255, 255);
  SetDrawFont(nullptr);
  std::vector<std::string> lines = WordWrap(SplitLines(message), float(width - 2 * kMargin), 1.0f);
  FlushInput();
  for (;;) {
    float x0 = float((ScreenWidth - width) / 2), y0 = float((ScreenHeight - height) / 2);
    float w = float(width), h = float(height);
    SetColor(0, 0, 0);
    DrawRect(x0 + 4, y0 + 4, w, h);
    SetColor(150, 150, 150);
    DrawRect(x0, y0, w, h);
    SetColor(220, 220, 200);
    DrawLine(x0, y0, x0 + w - 1, y0);
    DrawLine(x0 + w - 1, y0, x0 + w - 1, y0 + h - 1);
    DrawLine(x0 + w - 1, y0 + h - 1, x0, y0 + h - 1);
    DrawLine(x0, y0 + h - 1, x0, y0);
    SetColor(0, 220, 220);
    ShadowX = ShadowY = 1.0f;
    DrawShadowLines(float(ScreenWidth / 2), y0 + kMargin, lines, true, 0);
    SetColor(0, 220, 0);
    DrawShadowText(float(ScreenWidth / 2), y0 + h - float(TextMeasureHeight()) - kMargin,
                   "<press any key>", true);
    Flip(FlipSync);
    if (ErrorBoxFrameHook) ErrorBoxFrameHook();
    if (AnyKeyHit() || AnyMouseHit()) break;
  }
  SetColor(255, 255, 255);
  FlushInput();
}
