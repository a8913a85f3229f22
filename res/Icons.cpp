// Icon 128, the application's icon: a stage framed by a film strip, drawn
// here character by character.
#include "mfc/AfxRes.h"

#include "Resource.h"

namespace {

const char* const kIconRows[32] = {
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kwwkkkkkkwwkkkkkkwwkkkkkkwwkkkkk",
    "kwwkkkkkkwwkkkkkkwwkkkkkkwwkkkkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbbbbbbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbbbbbbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbyybbbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbyyyybbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbyyyybbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbyyyybbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbyybbbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbbbbbbbkk",
    "kkbbbbbbbbbbbbbbbbbbbbbbbbbbbbkk",
    "kkbbbbbbbbboobbbbbbbbbbbbbbbbbkk",
    "kkbbbbbbbbboobbbbbbbbbbbbbbbbbkk",
    "kkbbbbbbbbrrrrbbbbbbbbbbbbbbbbkk",
    "kkbbbbbbborrrrobbbbbbbbbbbbbbbkk",
    "kkbbbbbhhohrrbobbbbbbhhhhhbbbbkk",
    "kkbbbhhhhhhrrhbbbbbhhhhhhhhhbbkk",
    "kkbhhhhhhhnhhnhhbhhhhhhhhhhhhhkk",
    "kkhhhhhhhhnhhnhhhhhhhhhhhhhhhhkk",
    "kkhhhhhhhhnhhnhhhhhhhhhhhhhhhhkk",
    "kkddddddddddddddddddddddddddddkk",
    "kkGGGGGGGGGGGGGGGGGGGGGGGGGGGGkk",
    "kkGGGGGGGGGGGGGGGGGGGGGGGGGGGGkk",
    "kkGGGGGGGGGGGGGGGGGGGGGGGGGGGGkk",
    "kkGGGGGGGGGGGGGGGGGGGGGGGGGGGGkk",
    "kkGGGGGGGGGGGGGGGGGGGGGGGGGGGGkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kwwkkkkkkwwkkkkkkwwkkkkkkwwkkkkk",
    "kwwkkkkkkwwkkkkkkwwkkkkkkwwkkkkk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
};

const AfxIconColour kIconPalette[] = {
    {'k', 0xFF1A1A1Au},  // film
    {'w', 0xFFF2F2F2u},  // sprocket holes
    {'b', 0xFF7EC8F0u},  // sky
    {'y', 0xFFFFD83Cu},  // sun
    {'h', 0xFF5E8F6Au},  // far hills
    {'d', 0xFF8A5A2Bu},  // the stage's edge
    {'G', 0xFF3FA34Du},  // ground
    {'o', 0xFFF1B98Au},  // the player's face and hands
    {'r', 0xFFD9302Cu},  // the player's shirt
    {'n', 0xFF1F2C6Bu},  // the player's legs
};

}  // namespace

extern const AfxIcon g_icons[] = {
    {IDR_MAINFRAME, 32, 32, kIconRows, kIconPalette,
     static_cast<int>(sizeof kIconPalette / sizeof kIconPalette[0])},
};
extern const int g_iconCount = static_cast<int>(sizeof g_icons / sizeof g_icons[0]);
