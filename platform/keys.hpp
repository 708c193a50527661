#pragma once
// Key codes: the Windows virtual-key numbers every key parameter takes (KeyHitCount, KeyIsDown,
// the kit's ClearKey). Letters and digits are their upper-case character codes.
enum VirtualKey : int {
  kKeyBackspace = 8, kKeyTab = 9, kKeyEnter = 13, kKeyPause = 19, kKeyEscape = 27,
  kKeySpace = 32, kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35, kKeyHome = 36,
  kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40, kKeyInsert = 45, kKeyDelete = 46,
  kKey0 = 48, kKey1, kKey2, kKey3, kKey4, kKey5, kKey6, kKey7, kKey8, kKey9,
  kKeyA = 65, kKeyB, kKeyC, kKeyD, kKeyE, kKeyF, kKeyG, kKeyH, kKeyI, kKeyJ, kKeyK, kKeyL,
  kKeyM, kKeyN, kKeyO, kKeyP, kKeyQ, kKeyR, kKeyS, kKeyT, kKeyU, kKeyV, kKeyW, kKeyX, kKeyY,
  kKeyZ,
  kKeyF1 = 112, kKeyF2, kKeyF3, kKeyF4, kKeyF5, kKeyF6, kKeyF7, kKeyF8, kKeyF9, kKeyF10,
  kKeyF11, kKeyF12,
  kKeyLeftShift = 160, kKeyRightShift = 161, kKeyLeftControl = 162, kKeyRightControl = 163,
  kKeyLeftAlt = 164, kKeyRightAlt = 165,
};

// Mouse buttons, as MouseHitCount and MouseIsDown number them.
enum MouseButton : int { kMouseLeft = 1, kMouseRight = 2, kMouseMiddle = 3 };
