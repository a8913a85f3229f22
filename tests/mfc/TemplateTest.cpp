// The main dialog's template as built: each control's place, text and style.
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "MfcFixture.h"
#include "Resource.h"
#include "mfc/AfxInternal.h"
#include "mfc/DialogWindow.h"

namespace {

using TemplateTest = MfcTest;

TEST_F(TemplateTest, MainDialogIsBuiltAsItsTemplateSays)
{
    // Dialog units follow the dialog font, rounded to the nearest pixel.
    EXPECT_EQ(QFontInfo(afx::DialogFont()).family(), "NanumGothicCoding");
    EXPECT_EQ((afx::DialogUnits{7, 15}.Rect(1, 1, 4, 3)), QRect(2, 2, 7, 6));  // 1.75, 1.875, 7, 5.625

    const AfxDialogTemplate* dialogTemplate = afx::FindDialogTemplate(IDD_VANTREL_DIALOG);
    ASSERT_NE(dialogTemplate, nullptr);
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_VANTREL_DIALOG));
    auto* window = dynamic_cast<DialogWindow*>(dlg.Widget());
    ASSERT_NE(window, nullptr);
    const afx::DialogUnits& units = window->Units();
    EXPECT_EQ(dialogTemplate->itemCount, 32);
    EXPECT_EQ(window->font(), afx::DialogFont(dialogTemplate->pointSize));

    // A sunken edge of two pixels round the client area.
    RECT client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(QSize(client.right, client.bottom), QSize(units.X(659), units.Y(462)));
    EXPECT_EQ(window->size(), QSize(units.X(659) + 4, units.Y(462) + 4));
    // In pixels for that font at 9 points, whose letters average 6 pixels
    // across and stand 12 high: a dialog unit is 6/4 by 12/8 of a pixel.
    EXPECT_EQ(window->size(), QSize(993, 697));
    window->show();
    const QImage shot = window->grab().toImage();
    const int w = window->width(), h = window->height();
    const int face = qGray(window->palette().color(QPalette::Window).rgb());
    auto grey = [&](int x, int y) { return qGray(shot.pixel(x, y)); };
    for (int at : {10, 200, 400}) {
        // Shadow then darker at left and top; light then face at right and bottom.
        EXPECT_TRUE(grey(0, at) < face && grey(1, at) < grey(0, at)) << at;
        EXPECT_TRUE(grey(at, 0) < face && grey(at, 1) < grey(at, 0)) << at;
        EXPECT_TRUE(grey(w - 1, at) > face && grey(w - 2, at) == face) << at;
        EXPECT_TRUE(grey(at, h - 1) > face && grey(at, h - 2) == face) << at;
    }
    // Without a client edge the window is the client area.
    CDialog plain;
    ASSERT_TRUE(plain.Create(IDD_TEST));
    const afx::DialogUnits& plainUnits = dynamic_cast<DialogWindow*>(plain.Widget())->Units();
    EXPECT_EQ(plain.Widget()->size(), QSize(plainUnits.X(200), plainUnits.Y(120)));
    plain.Widget()->show();
    const QImage plainShot = plain.Widget()->grab().toImage();
    for (QPoint corner : {QPoint(0, 0), QPoint(plainShot.width() - 1, plainShot.height() - 1)})
        EXPECT_EQ(qGray(plainShot.pixel(corner)), face) << "no edge drawn at " << corner.x() << "," << corner.y();

    // The title bar's boxes as the template's style asks: the main dialog has
    // a close and a minimise box, the appearance dialog neither.
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlags(Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint));
    CDialog appearance;
    ASSERT_TRUE(appearance.Create(IDD_EDIT_CHARACTER));
    const Qt::WindowFlags bare = appearance.Widget()->windowFlags();
    EXPECT_TRUE(bare.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(bare.testAnyFlags(Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint));

    QWidget* previous = nullptr;
    for (int i = 0; i < dialogTemplate->itemCount; ++i) {
        const AfxDialogItem& item = dialogTemplate->items[i];
        SCOPED_TRACE(testing::Message() << "item " << i << " id " << item.id);
        const QString text = win32::FromCp949(item.text);
        QWidget* widget = window->Control(item.id);
        for (QLabel* label : window->findChildren<QLabel*>())
            if (item.id == IDC_STATIC && label->text() == text) widget = label;
        ASSERT_NE(widget, nullptr);
        QRect place = units.Rect(item.x, item.y, item.cx, item.cy).translated(2, 2);
        // A combo box is as high as its font needs; the rest as the template says.
        if (item.kind == AFX_CTL_COMBOBOX) place.setHeight(widget->height());
        EXPECT_EQ(widget->geometry(), place);
        EXPECT_EQ(widget->isHidden(), (item.style & AFX_CS_HIDDEN) != 0);
        EXPECT_EQ(widget->isEnabled(), (item.style & AFX_CS_DISABLED) == 0);
        if (auto* button = qobject_cast<QPushButton*>(widget)) { EXPECT_EQ(button->text(), text); }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), text);
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                      (item.style & AFX_CS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft);
        }
        if (auto* combo = qobject_cast<QComboBox*>(widget)) { EXPECT_FALSE(combo->isEditable()); }
        if (auto* table = qobject_cast<QTableView*>(widget)) {
            // One row at a time (the editor's test checks that the row stays
            // marked while the focus is elsewhere).
            EXPECT_EQ(table->selectionMode(), QAbstractItemView::SingleSelection);
        }
        // Children in template order: the tab order.
        if (previous) { EXPECT_GT(window->children().indexOf(widget), window->children().indexOf(previous)); }
        previous = widget;
    }

    for (int id : {IDC_MOVE_MAX_Y, IDC_MOVE_MIN_Y, IDC_CLEAR_VALUE, IDC_TIME_LIMIT}) {
        QLineEdit* edit = Edit(dlg, id);
        ASSERT_NE(edit, nullptr) << id;
        EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << id;
        // Lower than the style's frame wants: a thin flat border, square at the corners.
        const QImage look = edit->grab().toImage();
        const QRgb mid = edit->palette().color(QPalette::Mid).rgb();
        for (QPoint at : {QPoint(0, 0), QPoint(look.width() / 2, 0), QPoint(0, look.height() / 2),
                          QPoint(look.width() - 1, look.height() - 1)})
            EXPECT_EQ(look.pixel(at), mid) << id << " at " << at.x() << "," << at.y();
        // Only the time limit scrolls; the others take what their width shows.
        edit->setEnabled(true);
        edit->setFocus();
        QTest::keyClicks(edit, QString(40, '1'));
        EXPECT_EQ(edit->text().size() == 40, id == IDC_TIME_LIMIT) << id;
        EXPECT_GT(edit->text().size(), 0) << id;
    }
}

}  // namespace
