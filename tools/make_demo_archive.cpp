// Draws the 46 demo images of the editor and writes them as the resource
// archive: a 4-byte length, a 2-byte count, 46 directory records (12-byte
// name, 4-byte block length), then 46 bitmap files of 8 bits per pixel with
// a 256-colour palette.
//
// Blocks 0..24 are the character sprites (types 0..8 and 10..25), facing
// right; blocks 25..45 are background layer images 0..20. Black (palette
// index 0) is the transparent colour: sprites stand on it and the near
// layers leave their sky black so that the far layer shows through.
//
// Usage: make_demo_archive <output path>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "ArchiveWriter.h"

namespace {

// ---- Colours and the indexed canvas ----------------------------------------

struct Rgb {
    int r, g, b;
};

bool operator==(const Rgb& a, const Rgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

int Clamp255(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {Clamp255(a.r + (b.r - a.r) * t), Clamp255(a.g + (b.g - a.g) * t),
            Clamp255(a.b + (b.b - a.b) * t)};
}

Rgb Shade(Rgb c, double f) { return {Clamp255(c.r * f), Clamp255(c.g * f), Clamp255(c.b * f)}; }

// A small deterministic generator, so the archive is the same on every build.
class Random {
public:
    explicit Random(uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint64_t Next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Real() { return (Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double lo, double hi) { return lo + (hi - lo) * Real(); }
    int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1)); }

private:
    uint64_t m_state;
};

// Hash noise for textures: the same value for the same pixel.
double Noise(int x, int y, int salt)
{
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(salt) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 65535.0;
}

const uint8_t kClear = 0;  // palette index 0: black, the transparent colour

class Canvas {
public:
    Canvas(int width, int height) : w(width), h(height), px(static_cast<size_t>(width) * height, kClear)
    {
        palette.push_back({0, 0, 0});
    }

    // The palette index of a colour: an existing entry, a new one, or the
    // nearest once all 256 are taken. Colours that would pack to the
    // transparent value on a 16-bit surface are lifted, so that whatever is
    // drawn stays opaque in both RGB565 and RGB555.
    uint8_t Ink(Rgb c)
    {
        if (c.r < 8 && c.g < 8 && c.b < 8)
            c = {std::max(c.r, 9), std::max(c.g, 9), std::max(c.b, 9)};
        for (size_t i = 1; i < palette.size(); ++i)
            if (palette[i] == c)
                return static_cast<uint8_t>(i);
        if (palette.size() < 256) {
            palette.push_back(c);
            return static_cast<uint8_t>(palette.size() - 1);
        }
        size_t best = 1;
        long bestDistance = -1;
        for (size_t i = 1; i < palette.size(); ++i) {
            long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
            long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return static_cast<uint8_t>(best);
    }

    void Set(int x, int y, uint8_t i)
    {
        if (x >= 0 && y >= 0 && x < w && y < h)
            px[static_cast<size_t>(y) * w + x] = i;
    }
    void Set(int x, int y, Rgb c) { Set(x, y, Ink(c)); }

    void Rect(double x0, double y0, double x1, double y1, Rgb c)
    {
        uint8_t i = Ink(c);
        for (int y = static_cast<int>(std::floor(y0)); y < static_cast<int>(std::ceil(y1)); ++y)
            for (int x = static_cast<int>(std::floor(x0)); x < static_cast<int>(std::ceil(x1)); ++x)
                Set(x, y, i);
    }

    void Ellipse(double cx, double cy, double rx, double ry, Rgb c)
    {
        uint8_t i = Ink(c);
        for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y)
            for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx)); ++x) {
                double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
                if (dx * dx + dy * dy <= 1.0)
                    Set(x, y, i);
            }
    }

    void Circle(double cx, double cy, double r, Rgb c) { Ellipse(cx, cy, r, r, c); }

    // Even-odd scanline fill of a polygon given as x, y pairs.
    void Polygon(const std::vector<double>& pts, Rgb c)
    {
        uint8_t i = Ink(c);
        size_t n = pts.size() / 2;
        double top = 1e9, bottom = -1e9;
        for (size_t k = 0; k < n; ++k) {
            top = std::min(top, pts[2 * k + 1]);
            bottom = std::max(bottom, pts[2 * k + 1]);
        }
        std::vector<double> xs;
        for (int y = std::max(0, static_cast<int>(std::floor(top))); y <= std::min(h - 1, static_cast<int>(std::ceil(bottom))); ++y) {
            double sy = y + 0.5;
            xs.clear();
            for (size_t k = 0; k < n; ++k) {
                double ax = pts[2 * k], ay = pts[2 * k + 1];
                double bx = pts[2 * ((k + 1) % n)], by = pts[2 * ((k + 1) % n) + 1];
                if ((ay <= sy && by > sy) || (by <= sy && ay > sy))
                    xs.push_back(ax + (sy - ay) * (bx - ax) / (by - ay));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t k = 0; k + 1 < xs.size(); k += 2)
                for (int x = static_cast<int>(std::ceil(xs[k] - 0.5)); x <= static_cast<int>(std::floor(xs[k + 1] - 0.5)); ++x)
                    Set(x, y, i);
        }
    }

    // A straight stroke of the given thickness with round ends.
    void Line(double x0, double y0, double x1, double y1, double thick, Rgb c)
    {
        double len = std::hypot(x1 - x0, y1 - y0);
        int steps = std::max(1, static_cast<int>(len * 2));
        for (int s = 0; s <= steps; ++s) {
            double t = static_cast<double>(s) / steps;
            Circle(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, thick / 2, c);
        }
    }

    // A dark edge around everything drawn: every clear pixel next to a drawn
    // one. Sprites read far better on busy backgrounds with it.
    void Outline(Rgb c)
    {
        uint8_t i = Ink(c);
        std::vector<uint8_t> copy = px;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (copy[static_cast<size_t>(y) * w + x] != kClear)
                    continue;
                auto drawn = [&](int ax, int ay) {
                    return ax >= 0 && ay >= 0 && ax < w && ay < h &&
                           copy[static_cast<size_t>(ay) * w + ax] != kClear;
                };
                if (drawn(x - 1, y) || drawn(x + 1, y) || drawn(x, y - 1) || drawn(x, y + 1))
                    Set(x, y, i);
            }
    }

    int w, h;
    std::vector<uint8_t> px;  // top row first
    std::vector<Rgb> palette;
};

// ---- Character sprites -------------------------------------------------------

enum Hat { kNoHat, kHelmet, kWizard, kHood, kCrown, kHorns, kBandana, kLongHair, kTopknot, kFeather };
enum Weapon { kNoWeapon, kSword, kSpear, kStaff, kAxe, kBow, kHammer, kDagger, kKatana, kClub, kFork, kLance, kWand };

struct Hero {
    int w, h;
    Rgb skin, hair, tunic, pants, boots, accent;
    Hat hat;
    Weapon weapon;
    bool shield = false;
    bool cape = false;
    bool robe = false;
    bool beard = false;
    double bulk = 1.0;   // body width
    Rgb capeColour = {150, 30, 40};
};

const Rgb kOutline = {34, 26, 44};
const Rgb kSteel = {196, 204, 218};
const Rgb kWood = {132, 88, 48};
const Rgb kGold = {236, 190, 60};
const Rgb kEyeWhite = {250, 250, 250};
const Rgb kPupil = {30, 30, 60};

void DrawWeapon(Canvas& c, Weapon weapon, double hx, double hy, double top, double bottom, Rgb accent)
{
    switch (weapon) {
    case kNoWeapon:
        break;
    case kSword:
        c.Line(hx, hy + 3, hx, hy - 1, 3, kWood);
        c.Line(hx - 4, hy - 2, hx + 4, hy - 2, 2.5, kGold);
        c.Polygon({hx - 2, hy - 3, hx + 2, hy - 3, hx + 2, top + 6, hx, top + 2, hx - 2, top + 6}, kSteel);
        c.Line(hx + 0.5, hy - 4, hx + 0.5, top + 7, 1, {240, 244, 250});
        break;
    case kKatana:
        c.Line(hx, hy + 4, hx + 1, hy - 1, 3, {150, 30, 40});
        c.Rect(hx - 3, hy - 2, hx + 4, hy, kGold);
        for (int i = 0; i < 26; ++i) {
            double t = i / 25.0;
            c.Circle(hx + 1 + 7 * t * t, hy - 3 - (hy - top - 6) * t, 1.3, kSteel);
        }
        break;
    case kDagger:
        c.Line(hx, hy + 2, hx, hy - 1, 3, kWood);
        c.Line(hx - 3, hy - 2, hx + 3, hy - 2, 2, kGold);
        c.Polygon({hx - 1.5, hy - 3, hx + 1.5, hy - 3, hx, hy - 14}, kSteel);
        break;
    case kSpear:
    case kLance:
        c.Line(hx, bottom - 6, hx, top + 10, 2.5, kWood);
        c.Polygon({hx - 3.5, top + 12, hx + 3.5, top + 12, hx, top + 1}, kSteel);
        if (weapon == kLance) {
            c.Polygon({hx + 1, top + 14, hx + 9, top + 17, hx + 1, top + 22}, accent);
            c.Rect(hx - 3, hy + 2, hx + 3, hy + 5, accent);
        }
        break;
    case kFork:
        c.Line(hx, bottom - 6, hx, top + 12, 2.5, kWood);
        c.Rect(hx - 5, top + 11, hx + 6, top + 13, {150, 150, 160});
        for (int k = -1; k <= 1; ++k)
            c.Line(hx + 5 * k, top + 12, hx + 5 * k, top + 4, 1.6, {170, 170, 180});
        break;
    case kStaff:
        c.Line(hx, bottom - 4, hx, top + 10, 3, kWood);
        c.Circle(hx, top + 7, 5, accent);
        c.Circle(hx - 1.5, top + 5.5, 1.8, Mix(accent, {255, 255, 255}, 0.7));
        break;
    case kWand:
        c.Line(hx, hy + 2, hx + 6, hy - 12, 2, kWood);
        c.Circle(hx + 6.5, hy - 13.5, 3, accent);
        c.Set(static_cast<int>(hx + 9), static_cast<int>(hy - 18), Rgb{255, 250, 180});
        c.Set(static_cast<int>(hx + 3), static_cast<int>(hy - 18), Rgb{255, 250, 180});
        break;
    case kAxe:
        c.Line(hx, hy + 6, hx, top + 8, 3, kWood);
        c.Polygon({hx + 1, top + 9, hx + 10, top + 4, hx + 12, top + 12, hx + 10, top + 20, hx + 1, top + 15}, kSteel);
        c.Line(hx + 11, top + 6, hx + 11.5, top + 18, 1, {236, 240, 246});
        break;
    case kHammer:
        c.Line(hx, hy + 6, hx, top + 10, 3, kWood);
        c.Rect(hx - 6, top + 3, hx + 8, top + 13, {160, 160, 172});
        c.Rect(hx - 6, top + 3, hx + 8, top + 5, {200, 200, 210});
        break;
    case kClub:
        c.Line(hx, hy + 4, hx + 3, top + 14, 4, kWood);
        c.Ellipse(hx + 4, top + 10, 5, 9, Shade(kWood, 1.15));
        c.Set(static_cast<int>(hx + 6), static_cast<int>(top + 7), Shade(kWood, 0.7));
        c.Set(static_cast<int>(hx + 2), static_cast<int>(top + 13), Shade(kWood, 0.7));
        break;
    case kBow: {
        double cy = hy - 4, r = (hy - top) * 0.75;
        for (int i = 0; i <= 40; ++i) {
            double a = -1.2 + 2.4 * i / 40.0;
            c.Circle(hx - 6 + std::cos(a) * r * 0.55, cy + std::sin(a) * r, 1.4, kWood);
        }
        c.Line(hx - 6 + std::cos(-1.2) * r * 0.55, cy - std::sin(1.2) * r, hx - 6 + std::cos(1.2) * r * 0.55,
               cy + std::sin(1.2) * r, 0.8, {230, 230, 210});
        c.Line(hx - 8, cy, hx + 8, cy, 1.2, {200, 170, 120});
        c.Polygon({hx + 8, cy - 2, hx + 12, cy, hx + 8, cy + 2}, kSteel);
        break;
    }
    }
}

// A person facing right: weapon, nose and eye on the right side, cape and
// back arm on the left.
Canvas DrawHero(const Hero& p)
{
    Canvas c(p.w, p.h);
    const double feet = p.h - 2;
    const double top = 2;
    const double tall = feet - top;
    const double cx = p.w * 0.42;
    const double headR = tall * 0.115;
    const double headY = top + tall * 0.22;
    const double neckY = headY + headR * 0.9;
    const double hipY = neckY + tall * 0.30;
    const double kneeY = hipY + (feet - hipY) * 0.5;
    const double torsoW = tall * 0.16 * p.bulk;

    // Cape behind everything.
    if (p.cape)
        c.Polygon({cx - torsoW * 0.4, neckY + 1, cx - torsoW * 0.9 - 6, feet - 8, cx + torsoW * 0.2, feet - 10}, p.capeColour);

    // Back arm (darker), then legs.
    c.Line(cx - torsoW * 0.55, neckY + 4, cx - torsoW * 0.9, hipY - 2, 4.5 * p.bulk, Shade(p.tunic, 0.72));
    c.Circle(cx - torsoW * 0.9, hipY - 1, 2.4 * p.bulk, Shade(p.skin, 0.85));
    if (p.robe) {
        c.Polygon({cx - torsoW * 0.5, hipY - 4, cx + torsoW * 0.5, hipY - 4, cx + torsoW * 0.95, feet - 2, cx - torsoW * 0.95, feet - 2},
                  p.tunic);
        c.Rect(cx - torsoW * 0.95, feet - 5, cx + torsoW * 0.95, feet - 2, p.accent);
        c.Ellipse(cx + torsoW * 0.45, feet - 1.5, 4, 2, p.boots);
    } else {
        double legW = 4.5 * p.bulk;
        double backX = cx - torsoW * 0.25, frontX = cx + torsoW * 0.25;
        c.Line(backX, hipY, backX - 2, feet - 3, legW, Shade(p.pants, 0.75));
        c.Line(frontX, hipY, frontX + 3, feet - 3, legW, p.pants);
        c.Rect(backX - 2 - legW / 2, kneeY + (feet - kneeY) * 0.45, backX - 2 + legW / 2, feet - 1, Shade(p.boots, 0.8));
        c.Rect(frontX + 3 - legW / 2, kneeY + (feet - kneeY) * 0.45, frontX + 3 + legW / 2 + 2, feet - 1, p.boots);
    }

    // Torso with a belt.
    c.Polygon({cx - torsoW * 0.5, neckY, cx + torsoW * 0.5, neckY, cx + torsoW * 0.45, hipY + 2, cx - torsoW * 0.45, hipY + 2}, p.tunic);
    c.Polygon({cx - torsoW * 0.2, neckY, cx + torsoW * 0.45, neckY, cx + torsoW * 0.4, hipY - 4}, Shade(p.tunic, 1.18));
    c.Rect(cx - torsoW * 0.47, hipY - 2, cx + torsoW * 0.47, hipY + 1, p.accent);
    c.Rect(cx + torsoW * 0.05, hipY - 2.5, cx + torsoW * 0.25, hipY + 1.5, kGold);

    // Head: face to the right.
    c.Rect(cx - 2, neckY - 3, cx + 3, neckY + 1, Shade(p.skin, 0.85));
    c.Circle(cx, headY, headR, p.skin);
    c.Polygon({cx + headR * 0.8, headY - 1, cx + headR + 3, headY + 2.5, cx + headR * 0.8, headY + 3.5}, Shade(p.skin, 0.92));
    c.Rect(cx + headR * 0.3, headY - 2.5, cx + headR * 0.3 + 3, headY + 0.5, kEyeWhite);
    c.Rect(cx + headR * 0.3 + 1.5, headY - 2, cx + headR * 0.3 + 3, headY + 0.5, kPupil);
    c.Rect(cx + headR * 0.35, headY + headR * 0.55, cx + headR * 0.8, headY + headR * 0.55 + 1, Shade(p.skin, 0.6));
    if (p.beard)
        c.Polygon({cx - headR * 0.6, headY + 1, cx + headR * 1.05, headY + 2, cx + headR * 0.6, headY + headR + 7,
                   cx - headR * 0.2, headY + headR + 4},
                  p.hair);

    switch (p.hat) {
    case kNoHat:
        c.Polygon({cx - headR, headY, cx - headR * 0.9, headY - headR * 0.8, cx + headR * 0.9, headY - headR * 0.8,
                   cx + headR * 0.2, headY - headR * 0.35},
                  p.hair);
        c.Ellipse(cx, headY - headR * 0.75, headR * 0.95, headR * 0.38, p.hair);
        break;
    case kLongHair:
        c.Polygon({cx - headR * 1.05, headY - headR * 0.5, cx - headR * 1.3, neckY + 9, cx - headR * 0.1, neckY + 5, cx - headR * 0.1, headY}, p.hair);
        c.Ellipse(cx, headY - headR * 0.7, headR * 1.02, headR * 0.45, p.hair);
        break;
    case kTopknot:
        c.Ellipse(cx - headR * 0.1, headY - headR * 0.75, headR * 0.95, headR * 0.4, p.hair);
        c.Circle(cx - headR * 0.4, headY - headR * 1.3, headR * 0.35, p.hair);
        break;
    case kHelmet:
        c.Ellipse(cx, headY - headR * 0.3, headR * 1.12, headR * 0.95, kSteel);
        c.Rect(cx - headR * 1.1, headY - headR * 0.3, cx + headR * 0.2, headY + headR * 0.7, kSteel);
        c.Rect(cx - headR * 0.1, headY - headR * 1.3, cx + headR * 0.15, headY - headR * 0.2, p.accent);
        c.Polygon({cx - headR * 0.1, headY - headR * 1.25, cx - headR * 1.4, headY - headR * 1.7, cx - headR * 0.2, headY - headR * 0.6}, p.accent);
        break;
    case kWizard:
        c.Ellipse(cx, headY - headR * 0.6, headR * 1.5, headR * 0.3, p.accent);
        c.Polygon({cx - headR, headY - headR * 0.7, cx + headR, headY - headR * 0.7, cx - headR * 0.9, top}, p.accent);
        c.Circle(cx - headR * 0.2, headY - headR * 1.45, 1.6, kGold);
        break;
    case kHood:
        c.Polygon({cx - headR * 1.2, neckY + 2, cx - headR * 1.25, headY - headR * 0.6, cx - headR * 0.2, headY - headR * 1.25,
                   cx + headR * 0.9, headY - headR * 0.8, cx + headR * 0.35, headY - headR * 0.1, cx - headR * 0.1, neckY + 1},
                  p.accent);
        break;
    case kCrown:
        c.Ellipse(cx, headY - headR * 0.7, headR * 0.95, headR * 0.4, p.hair);
        c.Polygon({cx - headR * 0.8, headY - headR * 0.8, cx + headR * 0.8, headY - headR * 0.8, cx + headR * 0.9, headY - headR * 1.7,
                   cx + headR * 0.4, headY - headR * 1.2, cx, headY - headR * 1.8, cx - headR * 0.4, headY - headR * 1.2,
                   cx - headR * 0.9, headY - headR * 1.7},
                  kGold);
        c.Circle(cx, headY - headR * 1.1, 1.2, {220, 40, 60});
        break;
    case kHorns:
        c.Ellipse(cx, headY - headR * 0.62, headR * 1.05, headR * 0.5, {150, 150, 160});
        c.Rect(cx - headR * 1.05, headY - headR * 0.62, cx + headR * 1.05, headY - headR * 0.4, {120, 120, 134});
        c.Polygon({cx - headR * 0.8, headY - headR * 0.8, cx - headR * 1.6, headY - headR * 1.75, cx - headR * 0.3, headY - headR * 1.0}, {240, 230, 200});
        c.Polygon({cx + headR * 0.6, headY - headR * 0.9, cx + headR * 1.5, headY - headR * 1.8, cx + headR * 0.1, headY - headR * 1.1}, {240, 230, 200});
        break;
    case kBandana:
        c.Ellipse(cx, headY - headR * 0.7, headR * 0.95, headR * 0.38, p.hair);
        c.Rect(cx - headR, headY - headR * 0.65, cx + headR * 0.9, headY - headR * 0.3, p.accent);
        c.Polygon({cx - headR, headY - headR * 0.6, cx - headR * 1.8, headY - headR * 0.2, cx - headR * 1.5, headY + headR * 0.3}, p.accent);
        break;
    case kFeather:
        c.Ellipse(cx, headY - headR * 0.55, headR * 1.25, headR * 0.55, p.accent);
        c.Ellipse(cx, headY - headR * 0.35, headR * 1.6, headR * 0.2, p.accent);
        c.Polygon({cx - headR * 0.6, headY - headR, cx - headR * 1.7, headY - headR * 1.85, cx - headR * 0.1, headY - headR * 1.0}, {250, 240, 120});
        break;
    }

    // Front arm reaching forward to the weapon hand.
    const double handX = cx + torsoW * 0.5 + 5;
    const double handY = neckY + (hipY - neckY) * 0.62;
    c.Line(cx + torsoW * 0.3, neckY + 3, handX - 1, handY, 4.5 * p.bulk, Shade(p.tunic, 1.08));
    if (p.shield) {
        c.Ellipse(cx + torsoW * 0.15, hipY - 4, torsoW * 0.42 + 2, torsoW * 0.62 + 3, p.accent);
        c.Ellipse(cx + torsoW * 0.15, hipY - 4, torsoW * 0.42 - 1, torsoW * 0.62, Mix(p.accent, {255, 255, 255}, 0.25));
        c.Rect(cx + torsoW * 0.15 - 1, hipY - 4 - torsoW * 0.45, cx + torsoW * 0.15 + 1, hipY - 4 + torsoW * 0.45, kGold);
        c.Rect(cx + torsoW * 0.15 - torsoW * 0.3, hipY - 5, cx + torsoW * 0.15 + torsoW * 0.3, hipY - 3, kGold);
    }
    DrawWeapon(c, p.weapon, handX, handY, top, feet, p.accent);
    c.Circle(handX, handY, 2.5 * p.bulk, p.skin);
    c.Outline(kOutline);
    return c;
}

// A four-legged beast facing right.
Canvas DrawBeast(int w, int h, Rgb fur, Rgb belly)
{
    Canvas c(w, h);
    double ground = h - 2;
    double bodyY = ground - h * 0.38;
    c.Polygon({w * 0.05, bodyY - 4, w * 0.18, bodyY - 2, w * 0.2, bodyY + 3, w * 0.02, bodyY - 12}, Shade(fur, 0.9));  // tail
    c.Line(w * 0.25, bodyY, w * 0.22, ground - 2, 6, Shade(fur, 0.75));
    c.Line(w * 0.68, bodyY, w * 0.72, ground - 2, 6, Shade(fur, 0.75));
    c.Ellipse(w * 0.46, bodyY, w * 0.32, h * 0.16, fur);
    c.Ellipse(w * 0.46, bodyY + h * 0.07, w * 0.24, h * 0.07, belly);
    c.Line(w * 0.32, bodyY, w * 0.3, ground - 2, 6, fur);
    c.Line(w * 0.6, bodyY, w * 0.62, ground - 2, 6, fur);
    c.Rect(w * 0.27, ground - 4, w * 0.35, ground - 1, Shade(fur, 0.6));
    c.Rect(w * 0.59, ground - 4, w * 0.67, ground - 1, Shade(fur, 0.6));
    // Head, snout and ears on the right.
    double hx = w * 0.75, hy = bodyY - h * 0.17;
    c.Ellipse(hx, hy, w * 0.15, h * 0.11, fur);
    c.Polygon({hx + w * 0.05, hy - 4, hx + w * 0.19, hy + 3, hx + w * 0.05, hy + 8}, fur);
    c.Circle(hx + w * 0.17, hy + 2, 2.2, {60, 40, 50});
    c.Polygon({hx - w * 0.09, hy - h * 0.06, hx - w * 0.02, hy - h * 0.2, hx + w * 0.02, hy - h * 0.06}, Shade(fur, 0.8));
    c.Rect(hx + 2, hy - 4, hx + 6, hy - 1, {250, 220, 80});
    c.Rect(hx + 4, hy - 4, hx + 6, hy - 1, kPupil);
    c.Polygon({hx + w * 0.08, hy + 6, hx + w * 0.13, hy + 6, hx + w * 0.105, hy + 9}, kEyeWhite);
    c.Outline(kOutline);
    return c;
}

// A round slime with one big eye looking right.
Canvas DrawSlime(int w, int h, Rgb body)
{
    Canvas c(w, h);
    double ground = h - 2;
    c.Ellipse(w * 0.5, ground - h * 0.3, w * 0.44, h * 0.3, body);
    c.Ellipse(w * 0.5, ground - h * 0.5, w * 0.32, h * 0.36, body);
    c.Polygon({w * 0.38, ground - h * 0.8, w * 0.5, ground - h * 0.94, w * 0.58, ground - h * 0.8}, body);
    c.Ellipse(w * 0.34, ground - h * 0.5, w * 0.07, h * 0.12, Mix(body, {255, 255, 255}, 0.6));
    c.Ellipse(w * 0.64, ground - h * 0.38, w * 0.14, h * 0.12, kEyeWhite);
    c.Ellipse(w * 0.7, ground - h * 0.37, w * 0.07, h * 0.07, kPupil);
    c.Rect(w * 0.6, ground - h * 0.17, w * 0.82, ground - h * 0.14, Shade(body, 0.5));
    c.Rect(w * 0.1, ground - 3, w * 0.9, ground, Shade(body, 0.75));
    c.Outline(kOutline);
    return c;
}

// A stone or metal automaton with an arm cannon on the right.
Canvas DrawGolem(int w, int h, Rgb plate, Rgb glow)
{
    Canvas c(w, h);
    double ground = h - 2;
    double cx = w * 0.42;
    c.Rect(cx - w * 0.22, ground - h * 0.32, cx - w * 0.06, ground - 1, Shade(plate, 0.7));
    c.Rect(cx + w * 0.04, ground - h * 0.32, cx + w * 0.2, ground - 1, Shade(plate, 0.85));
    c.Rect(cx - w * 0.26, ground - 5, cx - w * 0.02, ground - 1, Shade(plate, 0.55));
    c.Rect(cx + w * 0.0, ground - 5, cx + w * 0.26, ground - 1, Shade(plate, 0.6));
    c.Line(cx - w * 0.27, ground - h * 0.72, cx - w * 0.28, ground - h * 0.4, 8, Shade(plate, 0.7));
    c.Rect(cx - w * 0.3, ground - h * 0.78, cx + w * 0.3, ground - h * 0.3, plate);
    c.Rect(cx - w * 0.3, ground - h * 0.78, cx + w * 0.3, ground - h * 0.74, Shade(plate, 1.2));
    for (int i = 0; i < 3; ++i)
        c.Rect(cx - w * 0.22 + i * w * 0.16, ground - h * 0.5, cx - w * 0.17 + i * w * 0.16, ground - h * 0.46, Shade(plate, 0.65));
    c.Circle(cx, ground - h * 0.58, w * 0.08, glow);
    c.Rect(cx - w * 0.18, ground - h * 0.93, cx + w * 0.2, ground - h * 0.79, Shade(plate, 1.1));
    c.Rect(cx + w * 0.04, ground - h * 0.91, cx + w * 0.17, ground - h * 0.86, glow);
    c.Rect(cx + w * 0.2, ground - h * 0.88, cx + w * 0.25, ground - h * 0.84, Shade(plate, 0.8));
    // Arm cannon pointing right.
    c.Rect(cx + w * 0.22, ground - h * 0.66, cx + w * 0.36, ground - h * 0.5, Shade(plate, 0.9));
    c.Rect(cx + w * 0.3, ground - h * 0.62, cx + w * 0.51, ground - h * 0.52, Shade(plate, 0.75));
    c.Rect(cx + w * 0.48, ground - h * 0.63, cx + w * 0.52, ground - h * 0.51, glow);
    c.Outline(kOutline);
    return c;
}

// A winged harpy: bird legs, wings behind, beak to the right.
Canvas DrawHarpy(int w, int h, Rgb feathers, Rgb skin)
{
    Canvas c(w, h);
    double ground = h - 2, cx = w * 0.45;
    c.Polygon({cx - 2, ground - h * 0.62, cx - w * 0.41, ground - h * 0.95, cx - w * 0.37, ground - h * 0.7, cx - w * 0.42, ground - h * 0.55,
               cx - w * 0.3, ground - h * 0.5, cx - w * 0.36, ground - h * 0.38, cx, ground - h * 0.42},
              Shade(feathers, 0.8));
    c.Line(cx - 3, ground - h * 0.3, cx - 5, ground - 3, 2.5, {230, 180, 60});
    c.Line(cx + 3, ground - h * 0.3, cx + 5, ground - 3, 2.5, {230, 180, 60});
    c.Rect(cx - 9, ground - 2, cx - 1, ground, {230, 180, 60});
    c.Rect(cx + 2, ground - 2, cx + 11, ground, {230, 180, 60});
    c.Ellipse(cx, ground - h * 0.45, w * 0.2, h * 0.2, feathers);
    c.Ellipse(cx + 2, ground - h * 0.42, w * 0.1, h * 0.13, Mix(feathers, {255, 255, 255}, 0.45));
    c.Circle(cx + 2, ground - h * 0.75, h * 0.1, skin);
    c.Polygon({cx - h * 0.1, ground - h * 0.8, cx - h * 0.14, ground - h * 0.62, cx + 2, ground - h * 0.85}, Shade(feathers, 0.7));
    c.Polygon({cx + h * 0.08, ground - h * 0.78, cx + h * 0.2, ground - h * 0.74, cx + h * 0.08, ground - h * 0.7}, {240, 170, 40});
    c.Rect(cx + h * 0.04, ground - h * 0.8, cx + h * 0.07, ground - h * 0.77, kPupil);
    c.Polygon({cx + 2, ground - h * 0.6, cx + w * 0.42, ground - h * 0.72, cx + w * 0.3, ground - h * 0.5, cx + 4, ground - h * 0.5}, feathers);
    c.Outline(kOutline);
    return c;
}

// A skeleton swordsman facing right.
Canvas DrawSkeleton(int w, int h)
{
    Hero p{w, h, {232, 228, 210}, {232, 228, 210}, {200, 196, 180}, {190, 186, 170}, {170, 166, 150}, {120, 60, 140}, kNoHat, kSword};
    p.bulk = 0.85;
    p.shield = true;
    p.accent = {110, 70, 50};
    Canvas c = DrawHero(p);
    // Ribs across the torso and a dark eye socket.
    Rgb bone = Shade(p.tunic, 0.55);
    double feet = h - 2, tall = feet - 2, headY = 2 + tall * 0.22, headR = tall * 0.115;
    double neckY = headY + headR * 0.9;
    double cx = w * 0.42;
    for (int i = 0; i < 4; ++i)
        c.Rect(cx - tall * 0.06, neckY + 4 + i * 4, cx + tall * 0.05, neckY + 5 + i * 4, bone);
    c.Rect(cx + headR * 0.2, headY - 3, cx + headR * 0.2 + 4, headY + 1, {60, 40, 70});
    c.Set(static_cast<int>(cx + headR * 0.2 + 2), static_cast<int>(headY - 1), Rgb{250, 80, 80});
    return c;
}

// ---- Backgrounds ---------------------------------------------------------------

// A vertical gradient through the given stops, in bands of a few pixels so
// the palette keeps room.
void Sky(Canvas& c, int y0, int y1, const std::vector<Rgb>& stops)
{
    for (int y = y0; y < y1; ++y) {
        double t = static_cast<double>(y - y0) / std::max(1, y1 - y0 - 1);
        t = std::floor(t * 40) / 40;
        double s = t * (stops.size() - 1);
        size_t k = std::min(stops.size() - 2, static_cast<size_t>(s));
        Rgb col = Mix(stops[k], stops[k + 1], s - k);
        c.Rect(0, y, c.w, y + 1, col);
    }
}

void Cloud(Canvas& c, double x, double y, double size, Rgb colour)
{
    Rgb shadow = Shade(colour, 0.88);
    c.Ellipse(x, y + size * 0.15, size * 1.3, size * 0.35, shadow);
    c.Ellipse(x - size * 0.5, y, size * 0.55, size * 0.4, colour);
    c.Ellipse(x + size * 0.1, y - size * 0.2, size * 0.65, size * 0.5, colour);
    c.Ellipse(x + size * 0.7, y + size * 0.02, size * 0.5, size * 0.35, colour);
}

// A filled ridge line: height varies with a sum of sines (soft) or with
// random peaks (sharp), filled down to the bottom of the canvas.
void Ridge(Canvas& c, Random& rnd, double base, double amp, double wave, bool sharp, Rgb colour, Rgb snow = {0, 0, 0})
{
    double p1 = rnd.Range(0, 6.28), p2 = rnd.Range(0, 6.28), p3 = rnd.Range(0, 6.28);
    std::vector<double> top(c.w + 1);
    if (sharp) {
        double x = 0;
        std::vector<std::pair<double, double>> peaks;
        while (x < c.w + wave) {
            peaks.push_back({x, base - rnd.Range(0.2, 1.0) * amp});
            x += rnd.Range(0.5, 1.2) * wave;
        }
        for (int i = 0; i <= c.w; ++i) {
            size_t k = 0;
            while (k + 2 < peaks.size() && peaks[k + 1].first < i)
                ++k;
            double t = (i - peaks[k].first) / (peaks[k + 1].first - peaks[k].first);
            double valley = std::min(peaks[k].second, peaks[k + 1].second) + amp * 0.35;
            double y = t < 0.5 ? peaks[k].second + (valley - peaks[k].second) * (t * 2)
                               : valley + (peaks[k + 1].second - valley) * ((t - 0.5) * 2);
            top[i] = y + (Noise(i, 0, static_cast<int>(base)) - 0.5) * 2;
        }
    } else {
        for (int i = 0; i <= c.w; ++i)
            top[i] = base - amp * (0.55 * std::sin(i / wave + p1) + 0.3 * std::sin(i / (wave * 0.43) + p2) +
                                   0.15 * std::sin(i / (wave * 0.17) + p3) + 1) / 2;
    }
    uint8_t ink = c.Ink(colour);
    uint8_t snowInk = snow.r ? c.Ink(snow) : ink;
    double snowLine = base - amp * 0.6;
    for (int x = 0; x < c.w; ++x)
        for (int y = std::max(0, static_cast<int>(top[x])); y < c.h; ++y)
            c.Set(x, y, (snow.r && y < snowLine && y < top[x] + 14) ? snowInk : ink);
}

void Stars(Canvas& c, Random& rnd, int count, int maxY)
{
    for (int i = 0; i < count; ++i) {
        int x = rnd.Int(0, c.w - 1), y = rnd.Int(0, maxY);
        Rgb star = rnd.Real() < 0.3 ? Rgb{255, 240, 200} : Rgb{210, 220, 255};
        c.Set(x, y, star);
        if (rnd.Real() < 0.15) {
            c.Set(x + 1, y, star);
            c.Set(x - 1, y, star);
            c.Set(x, y + 1, star);
            c.Set(x, y - 1, star);
        }
    }
}

void CitySkyline(Canvas& c, Random& rnd, double base, double minH, double maxH, Rgb wall, Rgb light, double lit)
{
    double x = -5;
    while (x < c.w) {
        double bw = rnd.Range(18, 46), bh = rnd.Range(minH, maxH);
        c.Rect(x, base - bh, x + bw, c.h, wall);
        if (rnd.Real() < 0.3)
            c.Polygon({x, base - bh, x + bw, base - bh, x + bw / 2, base - bh - bw * 0.4}, wall);
        if (rnd.Real() < 0.2)
            c.Rect(x + bw * 0.4, base - bh - 12, x + bw * 0.45, base - bh, wall);
        for (double wy = base - bh + 5; wy < base - 4; wy += 7)
            for (double wx = x + 4; wx < x + bw - 5; wx += 6)
                if (rnd.Real() < lit)
                    c.Rect(wx, wy, wx + 3, wy + 3, light);
        x += bw + rnd.Range(-4, 3);
    }
}

// Ground from y downwards with speckles so it does not read as flat paint.
void Ground(Canvas& c, double y, Rgb base, Rgb dark, Rgb light, int salt)
{
    uint8_t b = c.Ink(base), d = c.Ink(dark), l = c.Ink(light);
    for (int yy = std::max(0, static_cast<int>(y)); yy < c.h; ++yy)
        for (int x = 0; x < c.w; ++x) {
            double n = Noise(x, yy, salt);
            c.Set(x, yy, n < 0.12 ? d : (n > 0.9 ? l : b));
        }
}

void GrassEdge(Canvas& c, double y, Rgb colour, int salt)
{
    uint8_t ink = c.Ink(colour);
    for (int x = 0; x < c.w; ++x) {
        int tuft = static_cast<int>(Noise(x, 0, salt) * 4);
        for (int k = 0; k < tuft; ++k)
            c.Set(x, static_cast<int>(y) - k - 1, ink);
    }
}

void Tree(Canvas& c, double x, double ground, double size, Rgb leaves)
{
    c.Rect(x - size * 0.09, ground - size * 0.9, x + size * 0.09, ground, {110, 74, 44});
    c.Circle(x - size * 0.3, ground - size * 1.0, size * 0.38, Shade(leaves, 0.82));
    c.Circle(x + size * 0.3, ground - size * 0.98, size * 0.36, Shade(leaves, 0.9));
    c.Circle(x, ground - size * 1.3, size * 0.45, leaves);
    c.Circle(x - size * 0.12, ground - size * 1.42, size * 0.2, Mix(leaves, {255, 255, 200}, 0.25));
}

void Pine(Canvas& c, double x, double ground, double size, Rgb needles)
{
    c.Rect(x - size * 0.06, ground - size * 0.3, x + size * 0.06, ground, {100, 66, 40});
    for (int k = 0; k < 3; ++k) {
        double y = ground - size * 0.25 - k * size * 0.32;
        double half = size * (0.42 - k * 0.1);
        c.Polygon({x - half, y, x + half, y, x, y - size * 0.5}, Shade(needles, 0.85 + k * 0.08));
    }
}

void House(Canvas& c, double x, double ground, double w, double h, Rgb wall, Rgb roof)
{
    c.Rect(x, ground - h, x + w, ground, wall);
    c.Rect(x, ground - h, x + 3, ground, Shade(wall, 0.85));
    c.Polygon({x - 6, ground - h, x + w + 6, ground - h, x + w * 0.5, ground - h - w * 0.45}, roof);
    c.Rect(x - 6, ground - h, x + w + 6, ground - h + 3, Shade(roof, 0.7));
    c.Rect(x + w * 0.4, ground - h * 0.5, x + w * 0.6, ground, {120, 76, 46});
    c.Rect(x + w * 0.12, ground - h * 0.75, x + w * 0.3, ground - h * 0.5, {250, 226, 130});
    c.Rect(x + w * 0.7, ground - h * 0.75, x + w * 0.88, ground - h * 0.5, {250, 226, 130});
    c.Rect(x + w * 0.2, ground - h * 0.75, x + w * 0.22, ground - h * 0.5, Shade(wall, 0.6));
    c.Rect(x + w * 0.78, ground - h * 0.75, x + w * 0.8, ground - h * 0.5, Shade(wall, 0.6));
    c.Rect(x + w * 0.72, ground - h - w * 0.35, x + w * 0.82, ground - h - w * 0.1, Shade(wall, 0.7));
}

void Fence(Canvas& c, double x0, double x1, double ground, Rgb wood)
{
    for (double x = x0; x < x1; x += 12)
        c.Rect(x, ground - 16, x + 3, ground, wood);
    c.Rect(x0, ground - 13, x1, ground - 11, Shade(wood, 0.9));
    c.Rect(x0, ground - 7, x1, ground - 5, Shade(wood, 0.9));
}

void Rock(Canvas& c, double x, double ground, double size, Rgb stone)
{
    c.Ellipse(x, ground - size * 0.35, size, size * 0.5, stone);
    c.Ellipse(x - size * 0.25, ground - size * 0.55, size * 0.5, size * 0.25, Mix(stone, {255, 255, 255}, 0.2));
}

void Lamp(Canvas& c, double x, double ground, Rgb post, Rgb light)
{
    c.Rect(x - 1.5, ground - 44, x + 1.5, ground, post);
    c.Rect(x - 4, ground - 3, x + 4, ground, post);
    c.Rect(x - 4, ground - 52, x + 4, ground - 44, light);
    c.Polygon({x - 6, ground - 52, x + 6, ground - 52, x, ground - 58}, post);
}

void Water(Canvas& c, double y0, double y1, Rgb deep, Rgb shine, int salt)
{
    c.Rect(0, y0, c.w, y1, deep);
    uint8_t s = c.Ink(shine);
    for (int y = static_cast<int>(y0) + 2; y < y1; y += 4)
        for (int x = 0; x < c.w; ++x)
            if (Noise(x / 6, y, salt) > 0.82)
                c.Set(x, y, s);
}

// ---- The background layers --------------------------------------------------

// Meadow village (row 0): near 950, far 700.
Canvas NearMeadow(int w)
{
    Canvas c(w, 240);
    Random rnd(1);
    Ground(c, 176, {104, 168, 72}, {86, 146, 60}, {140, 196, 96}, 1);
    GrassEdge(c, 176, {104, 168, 72}, 1);
    c.Rect(0, 208, w, 222, {204, 178, 128});
    for (int x = 0; x < w; x += 5)
        c.Set(x + static_cast<int>(Noise(x, 3, 9) * 4), 210 + static_cast<int>(Noise(x, 4, 9) * 10), Rgb{180, 152, 104});
    for (int i = 0; i < 5; ++i)
        House(c, 60 + i * 190 + rnd.Range(0, 40), 180, rnd.Range(50, 70), rnd.Range(34, 46), {236, 222, 190},
              i % 2 ? Rgb{178, 64, 52} : Rgb{70, 100, 160});
    for (int i = 0; i < 9; ++i)
        Tree(c, 20 + i * 110 + rnd.Range(0, 30), 182, rnd.Range(34, 48), {64, 140, 60});
    Fence(c, 0, w, 206, {170, 120, 70});
    for (int i = 0; i < 14; ++i)
        c.Circle(rnd.Range(0, w), rnd.Range(224, 238), 1.5, i % 2 ? Rgb{250, 240, 120} : Rgb{250, 170, 200});
    return c;
}

Canvas FarMeadow(int w)
{
    Canvas c(w, 240);
    Random rnd(2);
    Sky(c, 0, 240, {{96, 160, 232}, {150, 200, 244}, {214, 236, 250}});
    c.Circle(w * 0.8, 46, 18, {255, 246, 200});
    c.Circle(w * 0.8, 46, 14, {255, 236, 150});
    for (int i = 0; i < 6; ++i)
        Cloud(c, rnd.Range(20, w - 20), rnd.Range(24, 90), rnd.Range(14, 24), {250, 252, 255});
    Ridge(c, rnd, 150, 60, 70, false, {150, 180, 210});
    Ridge(c, rnd, 175, 40, 50, false, {120, 170, 140});
    return c;
}

// Glowing forest (row 1): near 900, far 640.
Canvas NearForest(int w)
{
    Canvas c(w, 240);
    Random rnd(3);
    for (int i = 0; i < 16; ++i) {
        double x = rnd.Range(0, w), s = rnd.Range(50, 80);
        c.Rect(x - s * 0.08, 40, x + s * 0.08, 190, {84, 62, 52});
        c.Circle(x, 60, s * 0.55, {40, 96, 66});
        c.Circle(x - s * 0.3, 80, s * 0.4, {34, 84, 60});
    }
    Ground(c, 186, {64, 110, 60}, {52, 92, 50}, {90, 140, 74}, 3);
    GrassEdge(c, 186, {64, 110, 60}, 3);
    for (int i = 0; i < 22; ++i) {
        double x = rnd.Range(0, w), y = rnd.Range(192, 236), s = rnd.Range(4, 9);
        c.Rect(x - s * 0.2, y - s, x + s * 0.2, y, {236, 226, 200});
        c.Ellipse(x, y - s, s * 0.8, s * 0.5, i % 3 ? Rgb{90, 220, 210} : Rgb{230, 120, 210});
    }
    for (int i = 0; i < 30; ++i)
        c.Circle(rnd.Range(0, w), rnd.Range(100, 180), 1.2, {230, 255, 150});
    return c;
}

Canvas FarForest(int w)
{
    Canvas c(w, 240);
    Random rnd(4);
    Sky(c, 0, 240, {{40, 60, 110}, {90, 100, 160}, {170, 140, 180}});
    c.Circle(w * 0.25, 50, 20, {250, 246, 220});
    for (int layer = 0; layer < 3; ++layer) {
        Rgb col = Mix({90, 100, 150}, {40, 70, 70}, layer / 2.0);
        for (double x = -10; x < w + 10; x += rnd.Range(14, 26))
            Pine(c, x, 240, rnd.Range(80, 140) - layer * 20, col);
    }
    return c;
}

// Castle hall (row 2): an opaque scene, 1000 wide.
Canvas HallScene(int w)
{
    Canvas c(w, 240);
    Random rnd(5);
    // Stone walls in courses of blocks.
    for (int y = 0; y < 190; ++y)
        for (int x = 0; x < w; ++x) {
            int row = y / 14;
            int bx = (x + (row % 2) * 14) % 28;
            bool joint = y % 14 == 0 || bx == 0;
            double n = Noise(x / 28 + row * 7, row, 5);
            Rgb col = joint ? Rgb{70, 64, 76} : Mix({112, 104, 118}, {136, 128, 140}, n);
            c.Set(x, y, col);
        }
    for (int i = 0; i < w / 160 + 1; ++i) {
        double x = 40 + i * 160;
        // Arched window with a night sky behind it.
        c.Rect(x + 40, 40, x + 80, 110, {36, 48, 96});
        c.Circle(x + 60, 40, 20, {36, 48, 96});
        c.Rect(x + 59, 22, x + 61, 110, {60, 56, 66});
        c.Rect(x + 40, 70, x + 80, 72, {60, 56, 66});
        c.Set(static_cast<int>(x + 50), 50, Rgb{240, 240, 200});
        c.Set(static_cast<int>(x + 72), 86, Rgb{240, 240, 200});
        // Pillar.
        c.Rect(x - 12, 0, x + 12, 190, {150, 142, 152});
        c.Rect(x - 12, 0, x - 6, 190, {124, 116, 128});
        c.Rect(x - 16, 176, x + 16, 190, {160, 150, 160});
        // Banner and torch.
        c.Rect(x + 100, 20, x + 124, 80, i % 2 ? Rgb{160, 40, 50} : Rgb{50, 70, 150});
        c.Polygon({x + 100, 80, x + 124, 80, x + 112, 92}, i % 2 ? Rgb{160, 40, 50} : Rgb{50, 70, 150});
        c.Circle(x + 112, 46, 6, kGold);
        c.Rect(x + 26, 100, x + 30, 120, {90, 60, 40});
        c.Ellipse(x + 28, 94, 4, 7, {250, 150, 40});
        c.Ellipse(x + 28, 96, 2, 4, {255, 230, 120});
    }
    // Floor of tiles in perspective-free rows and a long carpet.
    for (int y = 190; y < 240; ++y)
        for (int x = 0; x < w; ++x) {
            bool joint = (y - 190) % 12 == 0 || (x + ((y - 190) / 12) * 16) % 32 == 0;
            c.Set(x, y, joint ? Rgb{96, 84, 72} : Rgb{170, 150, 120});
        }
    c.Rect(0, 204, w, 226, {150, 36, 44});
    c.Rect(0, 206, w, 208, kGold);
    c.Rect(0, 222, w, 224, kGold);
    (void)rnd;
    return c;
}

// Fen (row 3): near 1100, far 800.
Canvas NearFen(int w)
{
    Canvas c(w, 240);
    Random rnd(6);
    Water(c, 184, 240, {70, 110, 100}, {150, 190, 170}, 6);
    // Islands of moss along the path.
    for (double x = 0; x < w; x += rnd.Range(90, 140)) {
        double iw = rnd.Range(60, 110);
        c.Ellipse(x, 214, iw, 22, {110, 130, 70});
        c.Ellipse(x, 208, iw * 0.9, 14, {130, 150, 80});
    }
    c.Rect(0, 196, w, 232, {138, 112, 80});
    for (double x = 0; x < w; x += 14)
        c.Rect(x, 196, x + 12, 232, {156, 128, 90});
    for (double x = 0; x < w; x += 70)
        c.Rect(x, 190, x + 4, 238, {100, 80, 60});
    for (int i = 0; i < 40; ++i) {
        double x = rnd.Range(0, w);
        for (int k = 0; k < 4; ++k)
            c.Line(x + k * 3, 194, x + k * 3 + rnd.Range(-4, 4), 194 - rnd.Range(14, 30), 1.5, {120, 150, 70});
        c.Ellipse(x + 4, 168, 2, 5, {130, 90, 60});
    }
    for (int i = 0; i < 4; ++i) {
        double x = 120 + i * 260 + rnd.Range(0, 60);
        c.Line(x, 196, x - 6, 110, 8, {90, 80, 70});
        c.Line(x - 4, 140, x - 30, 120, 4, {90, 80, 70});
        c.Line(x - 4, 126, x + 24, 104, 4, {90, 80, 70});
        for (int k = 0; k < 5; ++k)
            c.Line(x - 30 + k * 12, 116 + k % 2 * 4, x - 30 + k * 12, 136 + k % 2 * 8, 1.5, {110, 140, 90});
    }
    return c;
}

Canvas FarFen(int w)
{
    Canvas c(w, 240);
    Random rnd(7);
    Sky(c, 0, 240, {{130, 170, 190}, {200, 214, 200}, {230, 226, 200}});
    c.Ellipse(w * 0.6, 70, 22, 22, {250, 240, 210});
    Ridge(c, rnd, 170, 50, 80, false, {160, 180, 180});
    Ridge(c, rnd, 190, 30, 40, false, {120, 150, 130});
    for (int i = 0; i < 40; ++i) {
        double x = rnd.Range(0, w);
        c.Line(x, 190, x, 190 - rnd.Range(18, 40), 3, {110, 130, 110});
        c.Circle(x, 186 - rnd.Range(18, 34), rnd.Range(6, 10), {110, 140, 120});
    }
    return c;
}

// Night town (row 12): an opaque scene, 900 wide; the sky is deep blue.
Canvas NightTown(int w)
{
    Canvas c(w, 240);
    Random rnd(8);
    Sky(c, 0, 240, {{14, 20, 54}, {34, 44, 96}, {70, 70, 120}});
    Stars(c, rnd, 160, 120);
    c.Circle(w * 0.7, 44, 20, {246, 240, 210});
    c.Circle(w * 0.7 + 8, 40, 17, {34, 40, 86});
    CitySkyline(c, rnd, 170, 40, 110, {40, 44, 80}, {200, 190, 120}, 0.25);
    CitySkyline(c, rnd, 186, 20, 70, {60, 56, 90}, {250, 220, 120}, 0.4);
    Ground(c, 186, {86, 86, 100}, {70, 70, 84}, {110, 110, 124}, 8);
    for (double x = 0; x < w; x += 32)
        c.Rect(x, 186, x + 1, 240, {70, 70, 84});
    c.Rect(0, 186, w, 190, {120, 120, 136});
    for (double x = 40; x < w; x += 150)
        Lamp(c, x, 196, {50, 50, 66}, {255, 220, 120});
    return c;
}

// Castle town (row 4): near 1200, far 760.
Canvas NearTown(int w)
{
    Canvas c(w, 240);
    Random rnd(9);
    Ground(c, 190, {176, 160, 140}, {150, 136, 120}, {196, 182, 164}, 9);
    for (double x = 0; x < w; x += 20)
        for (int y = 190; y < 240; y += 10)
            c.Rect(x + (y / 10 % 2) * 10, y, x + (y / 10 % 2) * 10 + 1, y + 10, {150, 136, 120});
    for (int y = 190; y < 240; y += 10)
        c.Rect(0, y, w, y + 1, {150, 136, 120});
    for (int i = 0; i < 8; ++i) {
        double x = 20 + i * 150 + rnd.Range(0, 30), bw = rnd.Range(70, 100), bh = rnd.Range(60, 100);
        Rgb wall = i % 3 == 0 ? Rgb{230, 210, 170} : (i % 3 == 1 ? Rgb{200, 170, 150} : Rgb{220, 220, 210});
        c.Rect(x, 192 - bh, x + bw, 192, wall);
        for (double bx = x; bx < x + bw; bx += 16)
            c.Rect(bx, 192 - bh, bx + 2, 192, Shade(wall, 0.85));
        c.Polygon({x - 8, 192 - bh, x + bw + 8, 192 - bh, x + bw * 0.5, 192 - bh - 34}, i % 2 ? Rgb{140, 60, 50} : Rgb{70, 80, 110});
        for (int k = 0; k < 2; ++k)
            c.Rect(x + 12 + k * (bw - 36), 192 - bh + 14, x + 24 + k * (bw - 36), 192 - bh + 30, {110, 150, 200});
        c.Rect(x + bw * 0.4, 160, x + bw * 0.6, 192, {120, 80, 50});
        c.Rect(x + 6, 150, x + bw - 6, 156, i % 2 ? Rgb{200, 60, 60} : Rgb{60, 140, 90});
        for (double sx = x + 6; sx < x + bw - 6; sx += 10)
            c.Rect(sx, 150, sx + 5, 156, {240, 236, 226});
    }
    for (int i = 0; i < 6; ++i)
        c.Circle(100 + i * 200, 202, 6, {90, 150, 70});
    return c;
}

Canvas FarTown(int w)
{
    Canvas c(w, 240);
    Random rnd(10);
    Sky(c, 0, 240, {{240, 150, 110}, {250, 200, 150}, {250, 230, 190}});
    c.Circle(w * 0.35, 120, 30, {255, 240, 200});
    Ridge(c, rnd, 180, 50, 90, false, {200, 150, 150});
    // The castle on the hill.
    double cx = w * 0.62;
    c.Rect(cx - 60, 100, cx + 60, 200, {170, 130, 140});
    for (int k = -2; k <= 2; ++k) {
        double lift = k == 0 ? 30 : 0;
        c.Rect(cx + k * 28 - 9, 70 - lift, cx + k * 28 + 9, 110, {180, 140, 150});
        c.Polygon({cx + k * 28 - 12, 70 - lift, cx + k * 28 + 12, 70 - lift, cx + k * 28, 44 - lift}, {120, 80, 110});
    }
    c.Rect(cx - 2, 8, cx, 20, {120, 80, 110});
    c.Polygon({cx, 8, cx + 12, 11, cx, 14}, {220, 60, 60});
    Ridge(c, rnd, 210, 30, 60, false, {170, 130, 130});
    return c;
}

// Desert (row 5): near 960, far 720.
Canvas NearDesert(int w)
{
    Canvas c(w, 240);
    Random rnd(11);
    for (int x = 0; x < w; ++x) {
        double top = 184 - 8 * std::sin(x / 60.0) - 4 * std::sin(x / 23.0 + 1);
        for (int y = static_cast<int>(top); y < 240; ++y)
            c.Set(x, y, Noise(x, y, 11) < 0.1 ? Rgb{214, 170, 100} : (y < top + 3 ? Rgb{246, 214, 150} : Rgb{232, 192, 120}));
    }
    for (int i = 0; i < 6; ++i) {
        double x = 60 + i * 160 + rnd.Range(0, 40);
        c.Rect(x - 5, 140, x + 5, 194, {70, 140, 80});
        c.Line(x - 5, 166, x - 16, 166, 7, {70, 140, 80});
        c.Line(x - 16, 166, x - 16, 150, 7, {70, 140, 80});
        c.Line(x + 5, 158, x + 14, 158, 7, {70, 140, 80});
        c.Line(x + 14, 158, x + 14, 146, 7, {70, 140, 80});
        c.Rect(x - 1, 142, x + 1, 192, {100, 170, 100});
    }
    for (int i = 0; i < 3; ++i) {
        double x = 180 + i * 300;
        c.Rect(x, 120, x + 18, 196, {210, 180, 140});
        c.Rect(x - 4, 114, x + 22, 122, {220, 190, 150});
        c.Rect(x + 40, 150, x + 58, 196, {210, 180, 140});
        c.Rect(x + 36, 144, x + 62, 152, {220, 190, 150});
    }
    for (int i = 0; i < 10; ++i)
        Rock(c, rnd.Range(0, w), rnd.Range(210, 236), rnd.Range(4, 10), {180, 130, 90});
    return c;
}

Canvas FarDesert(int w)
{
    Canvas c(w, 240);
    Random rnd(12);
    Sky(c, 0, 240, {{60, 140, 220}, {140, 190, 230}, {250, 230, 190}});
    c.Circle(w * 0.5, 40, 22, {255, 250, 220});
    Ridge(c, rnd, 170, 60, 110, false, {220, 180, 150});
    // Pyramids in the haze.
    for (int i = 0; i < 3; ++i) {
        double x = 120 + i * 200, s = 40 + i * 12;
        c.Polygon({x - s, 180, x + s, 180, x, 180 - s}, {230, 196, 140});
        c.Polygon({x, 180 - s, x + s, 180, x, 180}, {204, 168, 120});
    }
    Ridge(c, rnd, 205, 35, 70, false, {236, 200, 140});
    return c;
}

// Fortress sequence (rows 6 to 10): five near layers of the same width
// over one shared far layer of mountains.
Canvas FarMountains(int w)
{
    Canvas c(w, 240);
    Random rnd(13);
    Sky(c, 0, 240, {{80, 130, 200}, {160, 196, 230}, {220, 230, 240}});
    for (int i = 0; i < 5; ++i)
        Cloud(c, rnd.Range(20, w - 20), rnd.Range(20, 70), rnd.Range(12, 20), {250, 250, 255});
    Ridge(c, rnd, 140, 90, 60, true, {120, 140, 180}, {240, 244, 250});
    Ridge(c, rnd, 170, 60, 45, true, {90, 120, 150}, {230, 236, 244});
    Ridge(c, rnd, 200, 30, 50, false, {80, 120, 100});
    return c;
}

// Battlements along the ground band 140..205 with a cliff wall below.
void FortressBase(Canvas& c, int variant)
{
    Rgb stone = variant % 2 ? Rgb{150, 140, 130} : Rgb{160, 150, 150};
    Ground(c, 150, {150, 140, 110}, {130, 120, 96}, {170, 160, 130}, 20 + variant);
    for (int y = 205; y < 240; ++y)
        for (int x = 0; x < c.w; ++x) {
            int row = (y - 205) / 10;
            bool joint = (y - 205) % 10 == 0 || (x + row * 12) % 24 == 0;
            c.Set(x, y, joint ? Shade(stone, 0.7) : stone);
        }
    c.Rect(0, 203, c.w, 207, Shade(stone, 1.15));
    // A low parapet at the back of the walkway.
    c.Rect(0, 136, c.w, 152, Shade(stone, 0.9));
    for (double x = 0; x < c.w; x += 30)
        c.Rect(x, 126, x + 16, 138, Shade(stone, 0.9));
    c.Rect(0, 150, c.w, 152, Shade(stone, 0.7));
}

Canvas Fortress(int w, int variant)
{
    Canvas c(w, 240);
    Random rnd(14 + variant);
    FortressBase(c, variant);
    Rgb tower = {176, 164, 150};
    switch (variant) {
    case 0:  // the gate
        for (int i = 0; i < 3; ++i) {
            double x = 150 + i * 340;
            c.Rect(x, 30, x + 70, 150, tower);
            for (double bx = x; bx < x + 70; bx += 18)
                c.Rect(bx, 20, bx + 10, 32, tower);
            c.Rect(x + 20, 90, x + 50, 150, {80, 60, 50});
            c.Ellipse(x + 35, 90, 15, 12, {80, 60, 50});
            for (double gx = x + 22; gx < x + 50; gx += 6)
                c.Rect(gx, 82, gx + 2, 150, {120, 120, 130});
            c.Rect(x + 30, 50, x + 40, 66, {40, 40, 70});
        }
        break;
    case 1:  // banners on the wall
        for (int i = 0; i < 8; ++i) {
            double x = 60 + i * 130;
            c.Rect(x - 1, 60, x + 1, 138, {90, 70, 50});
            Rgb flag = i % 2 ? Rgb{200, 50, 60} : Rgb{50, 90, 180};
            c.Polygon({x + 1, 60, x + 36, 66, x + 1, 84}, flag);
            c.Circle(x + 12, 70, 3, kGold);
        }
        break;
    case 2:  // a bridge of arches with water below
        for (int i = 0; i < 6; ++i) {
            double x = 100 + i * 180;
            c.Rect(x, 60, x + 24, 140, tower);
            c.Polygon({x - 6, 60, x + 30, 60, x + 12, 30}, {110, 70, 70});
        }
        break;
    case 3:  // a tall keep
        c.Rect(300, 10, 560, 150, tower);
        for (double bx = 300; bx < 560; bx += 26)
            c.Rect(bx, 0, bx + 14, 14, tower);
        for (int k = 0; k < 4; ++k)
            c.Rect(330 + k * 60, 40, 350 + k * 60, 76, {60, 60, 100});
        c.Rect(400, 90, 460, 150, {100, 70, 50});
        c.Ellipse(430, 90, 30, 20, {100, 70, 50});
        for (int i = 0; i < 4; ++i)
            Pine(c, 60 + i * 60 + (i > 1 ? 600 : 0), 150, 70, {50, 110, 70});
        break;
    default:  // the ruined end of the wall
        for (int i = 0; i < 5; ++i) {
            double x = 80 + i * 200;
            c.Polygon({x, 140, x + 60, 140, x + 60, 70 + rnd.Range(0, 30), x + 40, 90, x + 24, 60 + rnd.Range(0, 20), x, 84}, Shade(tower, 0.9));
            Rock(c, x + 90, 150, 12, {140, 130, 120});
        }
        for (int i = 0; i < 5; ++i)
            Tree(c, 30 + i * 210, 140, 36, {90, 150, 60});
        break;
    }
    // Torches or shrubs along the walkway.
    for (double x = 40; x < w; x += 220)
        c.Ellipse(x, 148, 10, 6, {80, 130, 70});
    return c;
}

// Snowy peaks (row 11): near 1400, far 780.
Canvas NearSnow(int w)
{
    Canvas c(w, 240);
    Random rnd(19);
    Ground(c, 184, {236, 242, 250}, {210, 220, 236}, {255, 255, 255}, 19);
    for (int i = 0; i < 16; ++i) {
        double x = rnd.Range(0, w), s = rnd.Range(60, 100);
        Pine(c, x, 190, s, {40, 100, 80});
        c.Polygon({x - s * 0.3, 190 - s * 0.3, x + s * 0.3, 190 - s * 0.3, x, 190 - s * 0.5}, {240, 246, 255});
    }
    for (int i = 0; i < 3; ++i) {
        double x = 200 + i * 420;
        c.Rect(x, 140, x + 80, 190, {140, 100, 70});
        for (double y = 142; y < 190; y += 8)
            c.Rect(x, y, x + 80, y + 1, {110, 76, 50});
        c.Polygon({x - 10, 140, x + 90, 140, x + 40, 100}, {240, 246, 255});
        c.Rect(x + 30, 160, x + 50, 190, {90, 60, 40});
        c.Rect(x + 58, 154, x + 72, 168, {250, 210, 110});
    }
    for (int i = 0; i < 120; ++i)
        c.Circle(rnd.Range(0, w), rnd.Range(20, 180), 1.1, {250, 250, 255});
    return c;
}

Canvas FarSnow(int w)
{
    Canvas c(w, 240);
    Random rnd(20);
    Sky(c, 0, 240, {{110, 140, 190}, {180, 196, 220}, {230, 236, 244}});
    Ridge(c, rnd, 150, 110, 70, true, {150, 166, 200}, {250, 252, 255});
    Ridge(c, rnd, 190, 60, 50, true, {120, 140, 170}, {244, 248, 255});
    return c;
}

// Spare layer (image 20): a beach.
Canvas NearBeach(int w)
{
    Canvas c(w, 240);
    Random rnd(21);
    Water(c, 150, 190, {60, 140, 190}, {200, 236, 250}, 21);
    Ground(c, 186, {240, 220, 170}, {220, 196, 150}, {250, 236, 200}, 21);
    for (int i = 0; i < 5; ++i) {
        double x = 80 + i * 170;
        for (int k = 0; k < 20; ++k)
            c.Circle(x + k * 0.8, 196 - k * 5, 3, {140, 100, 60});
        for (int k = 0; k < 5; ++k) {
            double a = -2.8 + k * 0.6;
            c.Line(x + 16, 98, x + 16 + std::cos(a) * 34, 98 - std::sin(a) * 18 + 10, 5, {60, 150, 70});
        }
    }
    for (int i = 0; i < 8; ++i)
        c.Ellipse(rnd.Range(0, w), rnd.Range(210, 236), 4, 2, {250, 180, 160});
    return c;
}

// ---- The archive -------------------------------------------------------------

// One bitmap file of the image, its rows bottom-up.
std::vector<uint8_t> Bitmap(const Canvas& c)
{
    return archive::Bitmap(
        c.w, c.h, [&](int column, int storedRow) { return c.px[static_cast<size_t>(c.h - 1 - storedRow) * c.w + column]; },
        [&](int i) {
            Rgb col = static_cast<size_t>(i) < c.palette.size() ? c.palette[i] : Rgb{0, 0, 0};
            return archive::Colour{col.r, col.g, col.b};
        });
}

struct Entry {
    std::string name;
    Canvas image;
};

std::vector<Entry> Sprites()
{
    std::vector<Entry> s;
    auto hero = [&](const char* name, Hero p) { s.push_back({name, DrawHero(p)}); };
    const Rgb fair = {250, 214, 180}, tan = {214, 160, 110}, green = {130, 180, 90};

    Hero torvane{56, 92, fair, {180, 120, 60}, {70, 110, 200}, {60, 70, 110}, {90, 70, 60}, {200, 40, 50}, kHelmet, kSword};
    torvane.shield = true;
    torvane.cape = true;
    torvane.capeColour = {180, 40, 50};
    hero("torvane", torvane);
    hero("brisalt", Hero{50, 96, tan, {110, 60, 40}, {200, 60, 50}, {120, 90, 60}, {80, 60, 50}, {240, 200, 80}, kBandana, kSpear});
    Hero nemra{48, 88, fair, {60, 30, 90}, {130, 70, 190}, {90, 50, 140}, {70, 40, 90}, {230, 120, 240}, kLongHair, kStaff, false, false, true};
    hero("nemra", nemra);
    Hero okkar{62, 90, green, {60, 60, 40}, {120, 90, 60}, {90, 70, 50}, {70, 50, 40}, {170, 50, 40}, kHorns, kAxe};
    okkar.bulk = 1.35;
    okkar.beard = false;
    hero("okkar", okkar);
    hero("fendrel", Hero{50, 90, fair, {200, 150, 80}, {60, 140, 70}, {110, 90, 60}, {100, 70, 50}, {50, 110, 60}, kHood, kBow});
    Hero yorrith{48, 86, tan, {40, 40, 40}, {240, 150, 50}, {240, 150, 50}, {140, 90, 50}, {200, 60, 40}, kNoHat, kStaff, false, false, true};
    yorrith.hair = tan;
    hero("yorrith", yorrith);
    hero("caldis", Hero{44, 80, fair, {50, 50, 60}, {40, 120, 130}, {50, 60, 70}, {60, 50, 50}, {40, 90, 100}, kHood, kDagger});
    Hero meriven{58, 96, fair, {240, 220, 120}, {240, 240, 240}, {200, 200, 210}, {150, 130, 90}, {230, 180, 50}, kCrown, kHammer};
    meriven.cape = true;
    meriven.capeColour = {60, 80, 180};
    meriven.bulk = 1.15;
    hero("meriven", meriven);
    Hero tarsek{50, 92, tan, {30, 30, 40}, {180, 40, 50}, {50, 50, 70}, {60, 50, 60}, {240, 220, 200}, kTopknot, kKatana};
    hero("tarsek", tarsek);
    Hero plodwick{52, 72, {240, 190, 150}, {200, 100, 50}, {150, 90, 60}, {90, 80, 70}, {110, 70, 50}, {200, 160, 60}, kHelmet, kAxe};
    plodwick.beard = true;
    plodwick.bulk = 1.4;
    hero("plodwick", plodwick);
    Hero rukkan{66, 98, {190, 140, 110}, {80, 50, 30}, {120, 120, 90}, {100, 80, 60}, {80, 60, 50}, {150, 100, 50}, kBandana, kClub};
    rukkan.bulk = 1.5;
    hero("rukkan", rukkan);
    hero("dossel", Hero{48, 88, fair, {210, 170, 90}, {160, 180, 210}, {120, 100, 70}, {110, 80, 50}, {220, 200, 120}, kFeather, kFork});
    s.push_back({"virrun", DrawBeast(70, 72, {150, 150, 170}, {220, 220, 230})});
    Hero lenket{42, 74, {230, 120, 120}, {60, 30, 40}, {150, 40, 60}, {110, 30, 50}, {70, 30, 40}, {250, 200, 80}, kHorns, kWand};
    hero("lenket", lenket);
    Hero wynnol{48, 90, fair, {240, 200, 120}, {240, 240, 230}, {230, 230, 220}, {200, 180, 140}, {80, 160, 220}, kLongHair, kStaff, false, false, true};
    hero("wynnol", wynnol);
    Hero zerrek{44, 70, {120, 170, 80}, {70, 60, 40}, {140, 110, 70}, {100, 80, 50}, {80, 60, 40}, {200, 60, 60}, kNoHat, kDagger};
    zerrek.hair = {120, 170, 80};
    hero("zerrek", zerrek);
    s.push_back({"mugwen", DrawSlime(56, 70, {120, 200, 120})});
    s.push_back({"pelloch", DrawSkeleton(52, 90)});
    Hero ostravin{50, 98, {200, 220, 190}, {90, 90, 100}, {60, 50, 90}, {50, 40, 70}, {60, 40, 70}, {70, 150, 90}, kWizard, kWand, false, false, true};
    hero("ostravin", ostravin);
    Hero bakrum{70, 100, {200, 150, 170}, {90, 60, 60}, {150, 70, 60}, {100, 70, 60}, {90, 60, 50}, {230, 180, 60}, kHorns, kHammer};
    bakrum.bulk = 1.6;
    hero("bakrum", bakrum);
    Hero selvantor{52, 98, fair, {240, 240, 200}, {60, 160, 150}, {200, 200, 180}, {150, 120, 80}, {230, 190, 60}, kLongHair, kLance};
    selvantor.cape = true;
    selvantor.capeColour = {50, 120, 110};
    hero("selvantor", selvantor);
    s.push_back({"kestrune", DrawHarpy(60, 84, {90, 120, 200}, {240, 210, 180})});
    Hero amberlis{48, 88, tan, {220, 100, 40}, {240, 150, 60}, {200, 90, 50}, {150, 80, 40}, {250, 220, 90}, kLongHair, kSword};
    hero("amberlis", amberlis);
    s.push_back({"vell1", DrawGolem(52, 76, {130, 150, 180}, {100, 220, 250})});
    s.push_back({"vell2", DrawGolem(66, 98, {190, 140, 90}, {250, 120, 60})});
    return s;
}

std::vector<Entry> Backgrounds()
{
    std::vector<Entry> b;
    b.push_back({"hib.bak", NearMeadow(950)});      // 0
    b.push_back({"hix.bak", FarMeadow(700)});       // 1
    b.push_back({"ped3.bak", NearForest(900)});     // 2
    b.push_back({"ped4.bak", FarForest(640)});      // 3
    b.push_back({"gow.bak", HallScene(1000)});      // 4
    b.push_back({"sek.bak", NearFen(1100)});        // 5
    b.push_back({"sey.bak", FarFen(800)});          // 6
    b.push_back({"nuf.bak", NightTown(900)});       // 7
    b.push_back({"lun.bak", NearTown(1200)});       // 8
    b.push_back({"luv.bak", FarTown(760)});         // 9
    b.push_back({"tiz.bak", NearDesert(960)});      // 10
    b.push_back({"tij.bak", FarDesert(720)});       // 11
    b.push_back({"ky0.bak", FarMountains(800)});    // 12
    for (int v = 0; v < 5; ++v)                     // 13..17
        b.push_back({"ky" + std::to_string(v + 1) + ".bak", Fortress(1150, v)});
    b.push_back({"bem.bak", NearSnow(1400)});       // 18
    b.push_back({"bex.bak", FarSnow(780)});         // 19
    b.push_back({"spare.bak", NearBeach(880)});     // 20
    return b;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output path>\n", argv[0]);
        return 2;
    }
    std::vector<Entry> entries = Sprites();
    std::vector<Entry> layers = Backgrounds();
    for (Entry& e : layers)
        entries.push_back(std::move(e));
    if (entries.size() != 46) {
        std::fprintf(stderr, "internal error: %zu images instead of 46\n", entries.size());
        return 1;
    }

    std::vector<std::vector<uint8_t>> blocks;
    for (const Entry& e : entries)
        blocks.push_back(Bitmap(e.image));

    std::vector<std::string> names;
    for (const Entry& e : entries)
        names.push_back(e.name);
    std::vector<uint8_t> bytes =
        archive::Archive(46, names, archive::LengthsOf(blocks), blocks);

    return archive::WriteFile(argv[1], bytes) ? 0 : 1;
}
