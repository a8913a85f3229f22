// The stage preview, background choice and scrolling, read from the back buffer.
#include <QImage>

#include <algorithm>
#include <set>

#include "EditorFixture.h"
#include "win32/Gdi.h"

static int Width(int image)
{
    return theScreen.m_backgrounds[image].rc.right;
}

static int Height(int image)
{
    return theScreen.m_backgrounds[image].rc.bottom;
}

// The near layer keyed over the far one (whole without one); below, on white,
// a label every hundred pixels of the width image, moving with the scroll.
TEST_F(EditorTest, LayersAreComposedThroughTheNearLayersKeyOverTheRuler)
{
    RunEditor([&](CVantrelDlg& dlg) {
        const int W = dlg.m_graphics.m_width;
        ASSERT_EQ(Width(0), 950);
        // Labels 0, 100, ..., last * 100.
        auto expectRuler = [&](int last) {
            auto frame = Frame(dlg);
            dlg.m_graphics.ClearBackBuffer(255, 255, 255);
            HDC dc = nullptr;
            ASSERT_EQ(dlg.m_graphics.m_back->GetDC(&dc), DD_OK);
            SetTextColor(dc, RGB(10, 100, 10));
            SetBkMode(dc, TRANSPARENT);
            for (int i = 0; i <= last; i++) {
                std::string text = std::to_string(i * 100);
                TextOutA(dc, i * 100 - 10 - dlg.m_nearSrc.left, 245, text.c_str(), int(text.size()));
            }
            dlg.m_graphics.m_back->ReleaseDC(dc);
            auto labels = Frame(dlg);
            int ink = 0;
            for (int y = 240; y < dlg.m_graphics.m_height; y++) {
                for (int x = 0; x < W; x++) {
                    ASSERT_EQ(frame.At(x, y), labels.At(x, y)) << dlg.m_nearSrc.left << ": " << x << "," << y;
                    ink += labels.At(x, y) != labels.At(0, 240);  // white, above the labels
                }
            }
            EXPECT_GT(ink, 50);
        };
        dlg.OnPaint();
        expectRuler(8);
        dlg.OnScrollRight();
        dlg.OnScrollRight();
        const int scroll = dlg.m_nearSrc.left, farScroll = dlg.m_farSrc.left;
        ASSERT_EQ(scroll, 20);
        auto layer = [](int image) { return testhooks::ReadSurface(theScreen.m_backgrounds[image].surface); };
        auto nearLayer = layer(0), farLayer = layer(1), frame = Frame(dlg);
        int seen[2] = {0, 0};  // far, near
        for (int y = 0; y < 240; y += 3) {
            for (int x = 0; x < W; x += 5) {
                WORD pixel = nearLayer.At(x + scroll, y);
                ASSERT_EQ(frame.At(x, y), pixel ? pixel : farLayer.At(x + farScroll, y)) << x << "," << y;
                seen[pixel != 0]++;
            }
        }
        EXPECT_GT(std::min(seen[0], seen[1]), 100);
        for (int i = 0; i < 100; i++)
            dlg.OnScrollRight();  // the right end: a label cut off, "800" and no "900"
        ASSERT_EQ(dlg.m_nearSrc.left, 950 - W);
        expectRuler(8);

        for (auto [row, image] : {std::pair{2, 4}, {12, 7}}) {
            PickEntry(dlg, IDC_BACKGROUND, row, true);
            auto only = layer(image);
            frame = Frame(dlg);
            for (int y = 0; y < 240; y += 7)
                for (int x = 0; x < W; x += 9)
                    ASSERT_EQ(frame.At(x, y), only.At(x, y)) << row << ":" << x << "," << y;
        }
        // Row 2's layer is 1000 wide: labelled up to "900", seen at the right end.
        PickEntry(dlg, IDC_BACKGROUND, 2, true);
        ASSERT_EQ(Width(4), 1000);
        for (int i = 0; i < 100; i++)
            dlg.OnScrollRight();
        expectRuler(9);

        // A far layer shorter than the band leaves white below it.
        const int farHeight = Height(1), cut = 150;
        theScreen.m_backgrounds[1].rc.bottom = cut;
        PickEntry(dlg, IDC_BACKGROUND, 0, true);
        theScreen.m_backgrounds[1].rc.bottom = farHeight;
        frame = Frame(dlg);
        const WORD white = frame.At(0, dlg.m_graphics.m_height - 1);
        int whiteBelow = 0;
        for (int y = 0; y < 240; y += 3) {
            for (int x = 0; x < W; x += 5) {
                WORD pixel = nearLayer.At(x, y);
                ASSERT_EQ(frame.At(x, y), pixel ? pixel : y < cut ? farLayer.At(x, y) : white) << x << "," << y;
                whiteBelow += !pixel && y >= cut;
            }
        }
        EXPECT_GT(whiteBelow, 0);

        // Black stays black in a far layer and in a layer shown alone: only a
        // near layer over a far one is keyed.
        auto shownWithBlackAt = [&](int image, int x, int y) {
            IDirectDrawSurface7* surface = theScreen.m_backgrounds[image].surface;
            auto poke = [&](WORD value) {
                DDSURFACEDESC2 desc{};
                desc.dwSize = sizeof desc;
                EXPECT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
                WORD& pixel = reinterpret_cast<WORD*>(static_cast<BYTE*>(desc.lpSurface) + y * desc.lPitch)[x];
                std::swap(pixel, value);
                surface->Unlock(nullptr);
                return value;
            };
            const WORD kept = poke(0);
            EXPECT_NE(kept, 0);
            dlg.OnPaint();
            poke(kept);  // the store outlives this test
            return Frame(dlg).At(x, y);
        };
        int x = 0;
        while (nearLayer.At(x, 100) != 0)
            x++;
        EXPECT_EQ(shownWithBlackAt(1, x, 100), 0);
        PickEntry(dlg, IDC_BACKGROUND, 2, true);
        EXPECT_EQ(shownWithBlackAt(4, 30, 100), 0);
    });
}

// Each sprite stands centred on its row, turned its own way; the lower of two
// is drawn over the other, at equal heights the later row.
TEST_F(EditorTest, CharactersStandOnTheirRowsLowerOnesOverHigherOnes)
{
    RunEditor([&](CVantrelDlg& dlg) {
        auto paint = [&](const std::vector<Texts>& rows) {
            dlg.m_characterList.DeleteAllItems();
            for (const Texts& row : rows)
                AddRow(dlg.m_characterList, row);
            dlg.OnPaint();
            return Frame(dlg);
        };
        const SpriteEntry& sprite = theScreen.m_sprites[2];  // "Nemra"
        const auto image = testhooks::ReadSurface(sprite.surface);
        const int w = sprite.rc.right, h = sprite.rc.bottom;
        const std::vector<Texts> rows = {
            {"Nemra", "110", "235", "왼쪽"}, {"Nemra", "260", "215", "오른쪽"}, {"Nemra", "410", "225", ""}};
        dlg.OnScrollRight();  // scroll 10
        const auto background = paint({});
        auto frame = paint(rows);
        for (const Texts& row : rows) {
            SCOPED_TRACE(row[1]);
            const int x = std::stoi(row[1]) - 10, y = std::stoi(row[2]);
            int opaque = 0;
            for (int j = 0; j < h; j++) {
                for (int i = 0; i < w; i++) {
                    // Black is the sprite's transparent colour: the layers show through.
                    WORD pixel = image.At(row[3] != "왼쪽" ? w - 1 - i : i, j);
                    const int fx = x - w / 2 + i, fy = y - h + j;
                    ASSERT_EQ(frame.At(fx, fy), pixel ? pixel : background.At(fx, fy)) << i << "," << j;
                    opaque += pixel != 0;
                }
            }
            EXPECT_GT(opaque, w * h / 4);
            EXPECT_LT(opaque, w * h);
        }
        // Which sprite shows where both cover the background differently.
        // Another row may come first, standing elsewhere.
        auto onTop = [&](const std::string& yA, const std::string& yB, const std::string& typeA = "Torvane",
                         const std::string& typeB = "Brisalt", const std::vector<Texts>& first = {}) {
            Texts a = {typeA, "250", yA, "왼쪽"}, b = {typeB, "250", yB, "왼쪽"};
            auto with = [&](std::vector<Texts> rows) {
                rows.insert(rows.begin(), first.begin(), first.end());
                return paint(rows).pixels;
            };
            auto none = with({}), onlyA = with({a}), onlyB = with({b}), both = with({a, b});
            std::set<char> seen;
            for (size_t i = 0; i < both.size(); i++)
                if (onlyA[i] != none[i] && onlyB[i] != none[i] && onlyA[i] != onlyB[i])
                    seen.insert(both[i] == onlyA[i] ? 'A' : both[i] == onlyB[i] ? 'B' : '?');
            return std::string(seen.begin(), seen.end());
        };
        EXPECT_EQ(onTop("230", "210"), "A");
        EXPECT_EQ(onTop("210", "230"), "B");
        EXPECT_EQ(onTop("230", "230"), "B");
        EXPECT_EQ(onTop("230", "230", "Brisalt", "Torvane"), "B");
        EXPECT_EQ(onTop("230", "220", "Torvane", "Brisalt", {{"Okkar", "500", "200", "왼쪽"}}), "A");
        // Standing lower than any band (a stage file holds y up to 255), a
        // sprite shows between the strokes of the ruler's labels.
        frame = paint({{"Nemra", "200", "255", "왼쪽"}});
        const WORD ink = win32::PackColour(RGB(10, 100, 10), dlg.m_graphics.m_is565);
        int underLabels = 0;
        for (int j = 0; j < h; j++) {
            for (int i = 0; i < w; i++) {
                WORD pixel = image.At(i, j), shown = frame.At(190 - w / 2 + i, 255 - h + j);
                if (pixel == 0 || shown == ink)
                    continue;
                ASSERT_EQ(shown, pixel) << i << "," << j;
                underLabels += 255 - h + j >= 245;
            }
        }
        EXPECT_GT(underLabels, 10);
        // Type 9 has no sprite; names are compared byte for byte.
        EXPECT_EQ(paint({{"없음", "500", "250"}, {"전부", "200", "230"}, {"torvane", "200", "230"}}).pixels,
                  paint({}).pixels);

        dlg.m_graphics.m_ready = FALSE;
        EXPECT_EQ(DrawCalls([&] { dlg.OnPaint(); }), 0);
        dlg.m_graphics.m_ready = TRUE;
    });
}

// The back buffer is shown where the hidden "Screen" control lies.
TEST_F(EditorTest, ThePreviewShowsWhereTheScreenControlLiesAndFollowsTheDialog)
{
    RunEditor([&](CVantrelDlg& dlg) {
        QWidget* window = dlg.Widget();
        const int W = dlg.m_graphics.m_width, H = dlg.m_graphics.m_height;
        // Shown, the dialog draws the preview of its own accord: row 0's layers.
        auto frame = Frame(dlg);
        auto nearLayer = testhooks::ReadSurface(theScreen.m_backgrounds[0].surface);
        int nearShown = 0;
        for (int y = 0; y < 240; y += 7)
            for (int x = 0; x < W; x += 9)
                nearShown += nearLayer.At(x, y) != 0 && frame.At(x, y) == nearLayer.At(x, y);
        EXPECT_GT(nearShown, 100);
        AddRow(dlg.m_characterList, {"Okkar", "100", "230", "오른쪽"});
        // Moved, as the offscreen platform frames it without saying so.
        for (QPoint by : {QPoint(5, 5), QPoint(37, 23)}) {
            window->move(window->pos() + by);
            Settle();
            dlg.OnScrollRight();  // which paints
            frame = Frame(dlg);
            QImage back(reinterpret_cast<const uchar*>(frame.pixels.data()), W, H, W * 2,
                        dlg.m_graphics.m_is565 ? QImage::Format_RGB16 : QImage::Format_RGB555);
            QImage shown = window->grab().toImage().copy(QRect(Control(dlg, IDC_SCREEN)->pos(), QSize(W, H)));
            EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == back.convertToFormat(QImage::Format_RGB32));
        }
    });
}

TEST_F(EditorTest, ScrollingStepsTenPixelsWithTheFarLayerInProportionUpToTheEnds)
{
    RunEditor([&](CVantrelDlg& dlg) {
        const int W = dlg.m_graphics.m_width, nearEnd = Width(0) - W, farEnd = Width(1) - W;
        ASSERT_GT(nearEnd % 10, 0);
        // The arrow buttons scroll too; back at a place, the preview is as it was there.
        Click(dlg, IDC_SCROLL_RIGHT);
        Click(dlg, IDC_SCROLL_RIGHT);
        const auto at20 = Frame(dlg).pixels;
        Click(dlg, IDC_SCROLL_RIGHT);
        EXPECT_NE(Frame(dlg).pixels, at20);
        Click(dlg, IDC_SCROLL_LEFT);
        EXPECT_EQ(dlg.m_nearSrc.left, 20);
        EXPECT_EQ(Frame(dlg).pixels, at20);
        Click(dlg, IDC_SCROLL_LEFT);
        Click(dlg, IDC_SCROLL_LEFT);
        ASSERT_EQ(dlg.m_nearSrc.left, 0);
        // Right to the end and back, the far layer in proportion.
        for (int step : {10, -10}) {
            for (int i = 0; i < 200 && (step > 0 ? dlg.m_nearSrc.left < nearEnd : dlg.m_nearSrc.left > 0); i++) {
                int before = dlg.m_nearSrc.left;
                step > 0 ? dlg.OnScrollRight() : dlg.OnScrollLeft();
                ASSERT_EQ(dlg.m_nearSrc.left, std::clamp(before + step, 0, nearEnd));
                ASSERT_EQ(dlg.m_nearSrc.right, dlg.m_nearSrc.left + W);
                ASSERT_EQ(dlg.m_farSrc.left, dlg.m_nearSrc.left * farEnd / nearEnd);
                ASSERT_EQ(dlg.m_farSrc.right, dlg.m_farSrc.left + W);
            }
            step > 0 ? dlg.OnScrollRight() : dlg.OnScrollLeft();
            EXPECT_EQ(dlg.m_nearSrc.left, step > 0 ? nearEnd : 0);
            EXPECT_EQ(dlg.m_farSrc.left, step > 0 ? farEnd : 0);
        }
        // Rows 6 to 10 stop at image 13's width; a new row starts at 0.
        PickEntry(dlg, IDC_BACKGROUND, 8, true);
        for (int i = 0; i < 200; i++)
            dlg.OnScrollRight();
        EXPECT_EQ(std::pair(dlg.m_nearSrc.left, dlg.m_farSrc.left), std::pair(Width(13) - W, Width(12) - W));
        PickEntry(dlg, IDC_BACKGROUND, 9, true);
        EXPECT_EQ(std::pair(dlg.m_nearSrc.left, dlg.m_farSrc.left), std::pair(0, 0));
        EXPECT_EQ(dlg.m_farSrc.bottom, theScreen.m_backgrounds[12].rc.bottom);
        // Without a far layer only the near layer moves.
        PickEntry(dlg, IDC_BACKGROUND, 2, true);
        dlg.OnScrollRight();
        EXPECT_EQ(std::pair(dlg.m_nearSrc.left, dlg.m_farSrc.right), std::pair(10, 0));
        // Layers not wider than the viewport stay at the left end.
        PickEntry(dlg, IDC_BACKGROUND, 0, true);
        const int nearWas = Width(0), farWas = Width(1);
        for (auto [nearW, farW, left] : {std::tuple{W, farWas, 0}, {W - 50, farWas, 0}, {nearWas, W - 50, 10}}) {
            theScreen.m_backgrounds[0].rc.right = nearW;
            theScreen.m_backgrounds[1].rc.right = farW;
            dlg.OnScrollRight();
            EXPECT_EQ((std::vector<int>{dlg.m_nearSrc.left, dlg.m_nearSrc.right, dlg.m_farSrc.left}),
                      (std::vector<int>{left, left + W, 0}));
        }
        theScreen.m_backgrounds[0].rc.right = nearWas;
        theScreen.m_backgrounds[1].rc.right = farWas;
    });
}

// With no rows a background row applies at once, with its band; else it asks.
TEST_F(EditorTest, ChangingTheBackgroundAsksOnlyWhenTheStageHasRows)
{
    const char* const bands[13] = {"240~200", "240~190", "240~190", "240~195", "240~200", "240~200", "200~160",
                                   "200~160", "200~160", "200~160", "200~160", "240~190", "240~190"};
    RunEditor([&](CVantrelDlg& dlg) {
        // The choice, the row applied, rows, events, types, scroll and band.
        auto state = [&] {
            return std::vector<int>{dlg.m_background.GetCurSel(), dlg.m_curBackground,
                                    dlg.m_characterList.GetItemCount(), dlg.m_eventList.GetItemCount(),
                                    dlg.m_selectedTypeCount, dlg.m_nearSrc.left, dlg.m_moveMinY,
                                    dlg.m_moveMaxY};
        };
        // No at once keeps the row the editor started on.
        AddRow(dlg.m_characterList, {"Torvane", "300", "200", "왼쪽"});
        testhooks::AnswerNextMessageBoxes({IDNO});
        PickEntry(dlg, IDC_BACKGROUND, 3, true);
        EXPECT_EQ(TextOf(dlg, IDC_BACKGROUND), "Veyrune");
        dlg.m_characterList.DeleteAllItems();
        testhooks::ClearMessageBoxes();
        for (int row : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 6}) {
            PickEntry(dlg, IDC_BACKGROUND, row);
            EXPECT_EQ(TextOf(dlg, IDC_MOVE_MAX_Y) + "~" + TextOf(dlg, IDC_MOVE_MIN_Y), bands[row]);
        }
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
        EXPECT_EQ(state(), (std::vector<int>{6, 6, 0, 0, 0, 0, 160, 200}));
        // No: everything stays, on the row applied last.
        AddRow(dlg.m_characterList, {"Torvane", "300", "180", "왼쪽"});
        dlg.m_eventList.InsertItem(0, "0");
        SetSelectedTypes(dlg, {0});
        dlg.OnScrollRight();
        testhooks::AnswerNextMessageBoxes({IDNO});
        PickEntry(dlg, IDC_BACKGROUND, 1, true);
        ExpectOneBox("배경을 바꾸면 캐릭터와 이벤트들은 모두 삭제됩니다", kCaption, kQuestionBox);
        EXPECT_EQ(state(), (std::vector<int>{6, 6, 1, 1, 1, 10, 160, 200}));
        // Yes: both lists and the selected types emptied, the new row applied.
        testhooks::AnswerNextMessageBoxes({IDYES});
        PickEntry(dlg, IDC_BACKGROUND, 1, true);
        EXPECT_EQ(state(), (std::vector<int>{1, 1, 0, 0, 0, 0, 190, 240}));
        EXPECT_EQ(dlg.m_selectedTypes[0], SLOT_EMPTY);
        EXPECT_EQ(std::pair(dlg.m_nearImage, dlg.m_farImage), std::pair(2, 3));
    });
}

// Q and W scroll from any control, end on the event list and type nothing; an
// edit keeps what was typed into it just before.
TEST_F(EditorTest, QAndWScrollFromAnyControlAndEndThere)
{
    RunEditor([&](CVantrelDlg& dlg) {
        AddRow(dlg.m_characterList, {"Torvane", "300", "220", "왼쪽"});  // a new background would ask
        for (int i = 0; i < 3; i++)
            dlg.OnScrollRight();
        // Q on the background combo does not pick "Quorra".
        for (auto [control, key, scroll, typed] : {std::tuple{IDC_CLEAR_VALUE, Qt::Key_Q, 20, "5"},
                                                   {IDC_TIME_LIMIT, Qt::Key_Q, 10, "12"},
                                                   {IDC_BACKGROUND, Qt::Key_Q, 0, ""},
                                                   {IDC_STAGE_SAVE, Qt::Key_W, 10, ""}}) {
            SCOPED_TRACE(control);
            Control(dlg, control)->setFocus();
            if (*typed)
                Retype(dlg, control, typed);
            QTest::keyClick(Control(dlg, control), key);
            Settle();
            EXPECT_EQ(dlg.m_nearSrc.left, scroll);
            EXPECT_EQ(dlg.Widget()->focusWidget(), Control(dlg, IDC_EVENT_LIST));
            if (*typed) { EXPECT_EQ(TextOf(dlg, control), typed); }
            EXPECT_EQ(dlg.m_background.GetCurSel(), 0);
            EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
        }
    });
}
