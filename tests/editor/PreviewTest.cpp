// The stage preview, background choice and scrolling, read back from the
// back buffer of the real dialog drawing the demo archive.
#include <QImage>

#include <algorithm>
#include <cstdlib>

#include "EditorFixture.h"

namespace {

int Width(int image)
{
    return theScreen.m_backgrounds[image].rc.right;
}

}  // namespace

TEST_F(EditorTest, LayersAreComposedThroughTheNearLayersKey)
{
    RunEditor([&](CVantrelDlg& dlg) {
        int W = dlg.m_graphics.m_width;
        dlg.OnScrollRight();
        dlg.OnScrollRight();
        int scroll = dlg.m_nearSrc.left;
        int farScroll = dlg.m_farSrc.left;
        ASSERT_EQ(scroll, 20);
        auto nearLayer = testhooks::ReadSurface(theScreen.m_backgrounds[0].surface);
        auto farLayer = testhooks::ReadSurface(theScreen.m_backgrounds[1].surface);
        auto frame = Frame(dlg);
        int seenFar = 0;
        int seenNear = 0;
        for (int y = 0; y < 240; y += 3) {
            for (int x = 0; x < W; x += 5) {
                WORD nearPixel = nearLayer.At(x + scroll, y);
                WORD expected = nearPixel != 0 ? nearPixel : farLayer.At(x + farScroll, y);
                ASSERT_EQ(frame.At(x, y), expected) << x << "," << y;
                (nearPixel != 0 ? seenNear : seenFar)++;
            }
        }
        EXPECT_GT(seenFar, 100);
        EXPECT_GT(seenNear, 100);
        // Below the layers the clear colour shows.
        EXPECT_EQ(frame.At(3, dlg.m_graphics.m_height - 1), White(dlg));

        // Rows 2 and 12 have no far layer: the near layer's black stays black.
        for (int row : {2, 12}) {
            ChooseEntry(dlg, IDC_BACKGROUND, row);
            auto only = testhooks::ReadSurface(theScreen.m_backgrounds[row == 2 ? 4 : 7].surface);
            frame = Frame(dlg);
            for (int y = 0; y < 240; y += 7)
                for (int x = 0; x < W; x += 9)
                    ASSERT_EQ(frame.At(x, y), only.At(x, y)) << row << ":" << x << "," << y;
        }
    });
}

// Rows out of y order with different facings: each sprite stands on its row,
// centred on its column, turned its own way after the sort.
TEST_F(EditorTest, SpritesStandOnTheirRowCentredOnTheirColumnTurnedTheirWay)
{
    RunEditor([&](CVantrelDlg& dlg) {
        const SpriteEntry& sprite = theScreen.m_sprites[2];  // "Nemra"
        const auto image = testhooks::ReadSurface(sprite.surface);
        int w = sprite.rc.right;
        int h = sprite.rc.bottom;
        const struct {
            int x, y;
            const char* facing;
            bool mirrored;
        } rows[] = {{110, 235, "왼쪽", false}, {260, 215, "오른쪽", true}, {410, 225, "", true}};
        for (const auto& row : rows)
            AddRow(dlg.m_characterList, {"Nemra", std::to_string(row.x), std::to_string(row.y), row.facing});
        dlg.OnScrollRight();  // scroll 10, and paint
        auto frame = Frame(dlg);
        for (const auto& row : rows) {
            SCOPED_TRACE(row.x);
            int left = row.x - 10 - w / 2;
            int top = row.y - h;
            int opaque = 0;
            for (int j = 0; j < h; j++) {
                for (int i = 0; i < w; i++) {
                    WORD pixel = image.At(row.mirrored ? w - 1 - i : i, j);
                    if (pixel == 0)
                        continue;
                    ASSERT_EQ(frame.At(left + i, top + j), pixel) << i << "," << j;
                    opaque++;
                }
            }
            EXPECT_GT(opaque, w * h / 4);
        }
    });
}

TEST_F(EditorTest, LowerCharactersAreDrawnOverHigherOnes)
{
    RunEditor([&](CVantrelDlg& dlg) {
        // The visible pixel where two sprites overlap tells which came last.
        auto onTop = [&](int typeA, const char* nameA, int yA, int typeB, const char* nameB,
                         int yB) {
            dlg.m_characterList.DeleteAllItems();
            AddRow(dlg.m_characterList, {nameA, "250", std::to_string(yA), "왼쪽"});
            AddRow(dlg.m_characterList, {nameB, "250", std::to_string(yB), "왼쪽"});
            dlg.OnPaint();
            auto frame = Frame(dlg);
            const SpriteEntry& a = theScreen.m_sprites[typeA];
            const SpriteEntry& b = theScreen.m_sprites[typeB];
            const auto imageA = testhooks::ReadSurface(a.surface);
            const auto imageB = testhooks::ReadSurface(b.surface);
            int aWins = 0;
            int bWins = 0;
            for (int y = 150; y < 240; y++) {
                for (int x = 200; x < 300; x++) {
                    int ax = x - (250 - a.rc.right / 2), ay = y - (yA - a.rc.bottom);
                    int bx = x - (250 - b.rc.right / 2), by = y - (yB - b.rc.bottom);
                    if (ax < 0 || ay < 0 || ax >= a.rc.right || ay >= a.rc.bottom) continue;
                    if (bx < 0 || by < 0 || bx >= b.rc.right || by >= b.rc.bottom) continue;
                    WORD pa = imageA.At(ax, ay);
                    WORD pb = imageB.At(bx, by);
                    if (pa == 0 || pb == 0 || pa == pb) continue;
                    aWins += frame.At(x, y) == pa;
                    bWins += frame.At(x, y) == pb;
                }
            }
            EXPECT_TRUE(aWins == 0 || bWins == 0) << aWins << " " << bWins;
            return aWins > bWins ? 'A' : (bWins > aWins ? 'B' : '?');
        };
        EXPECT_EQ(onTop(0, "Torvane", 230, 1, "Brisalt", 210), 'A');
        EXPECT_EQ(onTop(0, "Torvane", 210, 1, "Brisalt", 230), 'B');
        EXPECT_EQ(onTop(0, "Torvane", 230, 1, "Brisalt", 230), 'B');
        EXPECT_EQ(onTop(1, "Brisalt", 230, 0, "Torvane", 230), 'B');
    });
}

TEST_F(EditorTest, RowsThatNameNoCharacterAreNotDrawn)
{
    RunEditor([&](CVantrelDlg& dlg) {
        dlg.OnPaint();
        auto empty = Frame(dlg);
        // Type 9 has no sprite; names are compared byte for byte.
        for (const char* type : {"없음", "전부", "torvane"})
            AddRow(dlg.m_characterList, {type, "200", "230", "왼쪽"});
        dlg.OnPaint();
        EXPECT_EQ(Frame(dlg).pixels, empty.pixels);
    });
}

// What the dialog shows where its hidden "Screen" control lies is the back
// buffer, wherever the dialog is moved to.
TEST_F(EditorTest, ThePreviewShowsWhereTheScreenControlLiesAndFollowsTheDialog)
{
    RunEditor([&](CVantrelDlg& dlg) {
        QWidget* window = dlg.Widget();
        const QPoint at = Control(dlg, IDC_SCREEN)->pos();
        auto expectShown = [&]() {
            auto frame = Frame(dlg);
            QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < dlg.m_graphics.m_height; y += 7) {
                for (int x = 0; x < dlg.m_graphics.m_width; x += 5) {
                    QImage pixel(1, 1, QImage::Format_RGB16);
                    *reinterpret_cast<WORD*>(pixel.scanLine(0)) = frame.At(x, y);
                    ASSERT_EQ(shot.pixel(at.x() + x, at.y() + y),
                              pixel.convertToFormat(QImage::Format_RGB32).pixel(0, 0))
                        << x << ", " << y;
                }
            }
        };
        AddRow(dlg.m_characterList, {"Okkar", "100", "230", "오른쪽"});
        // (The offscreen platform puts a frame round the dialog after showing
        // it without telling it that it moved; a desktop would.)
        for (QPoint by : {QPoint(5, 5), QPoint(37, 23)}) {
            window->move(window->pos() + by);
            Settle();
            dlg.OnScrollRight();  // which paints
            expectShown();
        }
    });
}

TEST_F(EditorTest, NothingIsDrawnBeforeTheDisplayIsReady)
{
    RunEditor([&](CVantrelDlg& dlg) {
        dlg.m_graphics.ClearBackBuffer(0, 0, 0);
        dlg.m_graphics.m_ready = FALSE;
        testhooks::ResetDirectDrawCalls();
        dlg.OnPaint();
        dlg.m_graphics.m_ready = TRUE;
        EXPECT_EQ(testhooks::DirectDrawCallsTotal(), 0);
        EXPECT_EQ(Frame(dlg).At(5, 5), 0);
    });
}

// The strip below the 950-pixel-wide near layer of row 0 holds the labels
// "0" to "800", each with its upper left corner at x = i * 100 - 10 - scroll,
// y = 245, and nothing else: compared pixel by pixel with the same texts
// written alone at a known place.
TEST_F(EditorTest, TheRulerLabelsEveryHundredPixelsAndScrolls)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ASSERT_EQ(Width(0), 950);
        const int W = dlg.m_graphics.m_width;
        const int bottom = std::min(dlg.m_graphics.m_height, 275);
        const WORD white = White(dlg);
        // Label i written alone at (20, 20) of a white back buffer.
        std::vector<testhooks::SurfaceImage> alone;
        for (int i = 0; i < 9; i++) {
            dlg.m_graphics.ClearBackBuffer(255, 255, 255);
            HDC dc = nullptr;
            ASSERT_EQ(dlg.m_graphics.m_back->GetDC(&dc), DD_OK);
            SetTextColor(dc, RGB(10, 100, 10));
            SetBkMode(dc, TRANSPARENT);
            std::string text = std::to_string(i * 100);
            TextOutA(dc, 20, 20, text.c_str(), static_cast<int>(text.size()));
            dlg.m_graphics.m_back->ReleaseDC(dc);
            alone.push_back(Frame(dlg));
        }
        auto expectStrip = [&]() {
            auto frame = Frame(dlg);
            int scroll = dlg.m_nearSrc.left;
            int ink = 0;
            for (int y = 240; y < bottom; y++) {
                for (int x = 0; x < W; x++) {
                    WORD want = white;
                    for (int i = 0; i < 9; i++) {
                        int ax = x - (i * 100 - 10 - scroll) + 20, ay = y - 245 + 20;
                        if (ax >= 0 && ax < 90 && ay >= 0 && alone[i].At(ax, ay) != white)
                            want = alone[i].At(ax, ay);
                    }
                    ink += want != white;
                    ASSERT_EQ(frame.At(x, y), want) << "scroll " << scroll << ": " << x << "," << y;
                }
            }
            EXPECT_GT(ink, 50);
        };
        dlg.OnPaint();
        expectStrip();
        for (int i = 0; i < 3; i++)
            dlg.OnScrollRight();  // "0" starts at -40, cut off
        expectStrip();
        for (int i = 0; i < 100; i++)
            dlg.OnScrollRight();  // the right end: "800" and no "900"
        ASSERT_EQ(dlg.m_nearSrc.left, 950 - W);
        expectStrip();
    });
}

TEST_F(EditorTest, ScrollingStepsTenPixelsWithTheFarLayerInProportion)
{
    RunEditor([&](CVantrelDlg& dlg) {
        int W = dlg.m_graphics.m_width;
        int nearEnd = Width(0) - W;
        int farEnd = Width(1) - W;
        ASSERT_GT(nearEnd % 10, 0);
        std::vector<int> stops;
        for (int i = 0; i < 200 && (stops.empty() || stops.back() != nearEnd); i++) {
            dlg.OnScrollRight();
            stops.push_back(dlg.m_nearSrc.left);
            ASSERT_EQ(dlg.m_nearSrc.right, dlg.m_nearSrc.left + W);
            ASSERT_EQ(dlg.m_farSrc.left, dlg.m_nearSrc.left * farEnd / nearEnd);
            ASSERT_EQ(dlg.m_farSrc.right, dlg.m_farSrc.left + W);
        }
        EXPECT_EQ(stops.front(), 10);
        EXPECT_EQ(stops[stops.size() - 2], nearEnd / 10 * 10);
        EXPECT_EQ(dlg.m_farSrc.left, farEnd);
        dlg.OnScrollRight();
        EXPECT_EQ(dlg.m_nearSrc.left, nearEnd);

        dlg.OnScrollLeft();
        EXPECT_EQ(dlg.m_nearSrc.left, nearEnd - 10);
        while (dlg.m_nearSrc.left > 0) {
            int before = dlg.m_nearSrc.left;
            dlg.OnScrollLeft();
            ASSERT_EQ(dlg.m_nearSrc.left, std::max(before - 10, 0));
        }
        EXPECT_EQ(dlg.m_farSrc.left, 0);

        // Rows 6 to 10 stop at image 13's width; applying a row goes back
        // to the left end.
        ChooseEntry(dlg, IDC_BACKGROUND, 8);
        for (int i = 0; i < 200; i++)
            dlg.OnScrollRight();
        EXPECT_EQ(dlg.m_nearSrc.left, Width(13) - W);
        EXPECT_EQ(dlg.m_farSrc.left, Width(12) - W);
        ChooseEntry(dlg, IDC_BACKGROUND, 9);
        EXPECT_EQ(dlg.m_nearSrc.left, 0);
        EXPECT_EQ(dlg.m_farSrc.left, 0);
        EXPECT_EQ(dlg.m_farSrc.bottom, theScreen.m_backgrounds[12].rc.bottom);

        // Without a far layer only the near layer moves.
        ChooseEntry(dlg, IDC_BACKGROUND, 2);
        dlg.OnScrollRight();
        EXPECT_EQ(dlg.m_nearSrc.left, 10);
        EXPECT_EQ(dlg.m_farSrc.right, 0);
    });
}

TEST_F(EditorTest, LayersNotWiderThanTheViewportDoNotScroll)
{
    RunEditor([&](CVantrelDlg& dlg) {
        int W = dlg.m_graphics.m_width;
        LONG nearWidth = theScreen.m_backgrounds[0].rc.right;
        LONG farWidth = theScreen.m_backgrounds[1].rc.right;
        theScreen.m_backgrounds[0].rc.right = W;
        dlg.OnScrollRight();
        EXPECT_EQ(dlg.m_nearSrc.left, 0);
        EXPECT_EQ(dlg.m_farSrc.left, 0);
        theScreen.m_backgrounds[0].rc.right = W - 50;
        dlg.OnScrollRight();
        dlg.OnScrollLeft();
        EXPECT_EQ(dlg.m_nearSrc.left, 0);
        EXPECT_EQ(dlg.m_nearSrc.right, W);
        theScreen.m_backgrounds[0].rc.right = nearWidth;
        theScreen.m_backgrounds[1].rc.right = W - 50;
        dlg.OnScrollRight();
        EXPECT_EQ(dlg.m_nearSrc.left, 10);
        EXPECT_EQ(dlg.m_farSrc.left, 0);
        theScreen.m_backgrounds[1].rc.right = farWidth;
    });
}

// Each background, chosen from the keyboard in the combo, shows its movement
// band in the band edits: the lower edge left of "~", the upper edge right.
TEST_F(EditorTest, EachBackgroundShowsItsMovementBand)
{
    RunEditor([&](CVantrelDlg& dlg) {
        const char* const bands[13] = {"240~200", "240~190", "240~190", "240~195", "240~200",
                                       "240~200", "200~160", "200~160", "200~160", "200~160",
                                       "200~160", "240~190", "240~190"};
        auto shown = [&] {
            return TextOf(dlg, IDC_MOVE_MAX_Y) + "~" + TextOf(dlg, IDC_MOVE_MIN_Y);
        };
        QWidget* combo = Control(dlg, IDC_BACKGROUND);
        combo->setFocus();
        Settle();
        // Down through rows 1 to 12, then Home back to row 0.
        for (int row = 1; row <= 13; row++) {
            QTest::keyClick(combo, row < 13 ? Qt::Key_Down : Qt::Key_Home);
            Settle();
            ASSERT_EQ(dlg.m_curBackground, row % 13);
            EXPECT_EQ(shown(), bands[row % 13]) << row % 13;
        }
    });
}

TEST_F(EditorTest, ChangingTheBackgroundAsksOnlyWhenTheStageHasRows)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseEntry(dlg, IDC_BACKGROUND, 6);
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
        EXPECT_EQ(dlg.m_curBackground, 6);
        EXPECT_EQ(dlg.m_moveMinY, 160);
        EXPECT_EQ(dlg.m_moveMaxY, 200);

        // No: everything stays, on the row applied last.
        AddRow(dlg.m_characterList, {"Torvane", "300", "180", "왼쪽"});
        dlg.m_eventList.InsertItem(0, "0");
        SetSelectedTypes(dlg, {0});
        dlg.OnScrollRight();
        testhooks::AnswerNextMessageBoxes({IDNO});
        ChooseEntry(dlg, IDC_BACKGROUND, 1);
        ExpectOneBox("배경을 바꾸면 캐릭터와 이벤트들은 모두 삭제됩니다", kCaption, kQuestionBox);
        EXPECT_EQ(dlg.m_background.GetCurSel(), 6);
        EXPECT_EQ(dlg.m_curBackground, 6);
        EXPECT_EQ(dlg.m_characterList.GetItemCount(), 1);
        EXPECT_EQ(dlg.m_eventList.GetItemCount(), 1);
        EXPECT_EQ(dlg.m_selectedTypeCount, 1);
        EXPECT_EQ(dlg.m_nearSrc.left, 10);
        EXPECT_EQ(dlg.m_moveMinY, 160);

        // Yes: both lists and the selected types emptied, the new row applied.
        testhooks::AnswerNextMessageBoxes({IDYES});
        ChooseEntry(dlg, IDC_BACKGROUND, 1);
        EXPECT_EQ(dlg.m_characterList.GetItemCount(), 0);
        EXPECT_EQ(dlg.m_eventList.GetItemCount(), 0);
        EXPECT_EQ(dlg.m_selectedTypeCount, 0);
        for (int type : dlg.m_selectedTypes)
            EXPECT_EQ(type, SLOT_EMPTY);
        EXPECT_EQ(dlg.m_curBackground, 1);
        EXPECT_EQ(dlg.m_nearSrc.left, 0);
        EXPECT_EQ(dlg.m_moveMinY, 190);
        EXPECT_EQ(dlg.m_moveMaxY, 240);
        EXPECT_EQ(dlg.m_nearImage, 2);
        EXPECT_EQ(dlg.m_farImage, 3);
    });
}

// Q and W scroll whichever control has the focus and move the focus to the
// event list; the key ends there: it types nothing and picks nothing.
TEST_F(EditorTest, QAndWScrollFromAnyControlAndEndThere)
{
    RunEditor([&](CVantrelDlg& dlg) {
        AddRow(dlg.m_characterList, {"Torvane", "300", "220", "왼쪽"});  // a new background would ask
        for (int i = 0; i < 3; i++)
            dlg.OnScrollRight();
        struct Press {
            int control;
            Qt::Key key;
            int scroll;
            const char* limit;  // typed first into the time limit, if not "0"
        } presses[] = {{IDC_CLEAR_VALUE, Qt::Key_Q, 20, "0"},
                       {IDC_TIME_LIMIT, Qt::Key_Q, 10, "12"},
                       {IDC_BACKGROUND, Qt::Key_Q, 0, "0"},  // not "Quorra"
                       {IDC_STAGE_SAVE, Qt::Key_W, 10, "0"}};
        for (const Press& p : presses) {
            SCOPED_TRACE(p.control);
            dlg.m_timeLimit = 0;
            dlg.UpdateData(FALSE);
            QWidget* control = Control(dlg, p.control);
            control->setFocus();
            Settle();
            if (p.control == IDC_TIME_LIMIT)
                Retype(dlg, IDC_TIME_LIMIT, p.limit);
            QTest::keyClick(control, p.key);
            Settle();
            EXPECT_EQ(dlg.m_nearSrc.left, p.scroll);
            EXPECT_EQ(dlg.Widget()->focusWidget(), Control(dlg, IDC_EVENT_LIST));
            EXPECT_EQ(TextOf(dlg, IDC_CLEAR_VALUE), "0");
            EXPECT_EQ(TextOf(dlg, IDC_TIME_LIMIT), p.limit);
            EXPECT_EQ(dlg.m_background.GetCurSel(), 0);
            EXPECT_TRUE(dlg.UpdateData(TRUE));
            EXPECT_EQ(dlg.m_timeLimit, std::atoi(p.limit));
            EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
            testhooks::ClearMessageBoxes();
        }
        EXPECT_EQ(dlg.m_characterList.GetItemCount(), 1);
    });
}
