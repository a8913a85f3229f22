// The image store: one 16-bit surface per character type and per background
// layer, loaded once from the resource archive "vantrel.bfc", black being
// every image's source colour key.
#pragma once

#include "CGraphics.h"
#include "ddraw/DDraw.h"
#include "win32/Win32.h"

// One image of the store: {0, 0, width, height} and its surface (NULL while
// the slot is empty). The store owns the surface.
struct SpriteEntry {
    RECT rc;
    IDirectDrawSurface7* surface;
};

class CScreen {
public:
    CScreen();
    virtual ~CScreen();

    CScreen(const CScreen&) = delete;
    CScreen& operator=(const CScreen&) = delete;

    // Loads all 46 images of the archive in the current directory through
    // the display object's surfaces. FALSE after a failure that has already
    // been shown to the user; the slots loaded before it keep their images.
    BOOL LoadArchive(CGraphics* graphics);

    SpriteEntry m_sprites[26];      // by character type; slot 9 is never loaded
    SpriteEntry m_backgrounds[21];  // by background layer number
};

// The editor's one image store.
extern CScreen theScreen;
