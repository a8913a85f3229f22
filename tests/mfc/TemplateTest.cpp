// Dialog units and the main dialog's template 102 as built.
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>

#include <cstdlib>

#include "MfcFixture.h"
#include "Resource.h"
#include "mfc/AfxInternal.h"
#include "mfc/DialogWindow.h"

namespace {

class TemplateTest : public MfcTest {
protected:
    void SetUp() override
    {
        MfcTest::SetUp();
        dialogTemplate = afx::FindDialogTemplate(IDD_VANTREL_DIALOG);
        ASSERT_NE(dialogTemplate, nullptr);
        ASSERT_TRUE(dlg.Create(IDD_VANTREL_DIALOG));
        window = dynamic_cast<DialogWindow*>(dlg.Widget());
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        MfcTest::TearDown();
    }

    // The widget made for the template's item i.
    QWidget* WidgetOfItem(int i)
    {
        const AfxDialogItem& item = dialogTemplate->items[i];
        if (item.id != IDC_STATIC) return window->Control(item.id);
        QString text = win32::FromCp949(item.text);
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text() == text) return label;
        }
        return nullptr;
    }

    const AfxDialogTemplate* dialogTemplate = nullptr;
    CDialog dlg;
    DialogWindow* window = nullptr;
};

TEST_F(TemplateTest, DialogUnitsFollowTheFont)
{
    QFont font = afx::DialogFont();
    EXPECT_EQ(QFontInfo(font).family(), "NanumGothicCoding");
    QFontMetrics metrics(font);
    afx::DialogUnits units = afx::DialogUnitsOf(font);
    int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(units.baseX, (letters / 26 + 1) / 2);
    EXPECT_EQ(units.baseY, metrics.height());

    afx::DialogUnits even{8, 16};
    EXPECT_EQ(even.X(4), 8);
    EXPECT_EQ(even.Y(8), 16);
    EXPECT_EQ(even.Rect(2, 4, 10, 20), QRect(4, 8, 20, 40));
    afx::DialogUnits odd{7, 15};
    EXPECT_EQ(odd.X(1), 2);  // 7 / 4 = 1.75, rounded
    EXPECT_EQ(odd.Y(1), 2);  // 15 / 8 = 1.875
    EXPECT_EQ(odd.Y(3), 6);  // 5.625
}

TEST_F(TemplateTest, MainDialogHasEveryControlAtItsPlace)
{
    const afx::DialogUnits& units = window->Units();
    EXPECT_EQ(window->size(), QSize(units.X(659), units.Y(462)));
    EXPECT_EQ(dialogTemplate->itemCount, 32);

    QWidget* previous = nullptr;
    for (int i = 0; i < dialogTemplate->itemCount; ++i) {
        const AfxDialogItem& item = dialogTemplate->items[i];
        SCOPED_TRACE(testing::Message() << "item " << i << " id " << item.id);
        QWidget* widget = WidgetOfItem(i);
        ASSERT_NE(widget, nullptr);
        QRect place = units.Rect(item.x, item.y, item.cx, item.cy);
        EXPECT_EQ(widget->pos(), place.topLeft());
        EXPECT_EQ(widget->width(), place.width());
        // A combo box is as high as its font needs; the rest as the template says.
        if (item.kind != AFX_CTL_COMBOBOX) {
            EXPECT_EQ(widget->height(), place.height());
        }
        EXPECT_EQ(widget->isHidden(), (item.style & AFX_CS_HIDDEN) != 0);
        EXPECT_EQ(widget->isEnabled(), (item.style & AFX_CS_DISABLED) == 0);

        QString text = win32::FromCp949(item.text);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), text);
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), text);
        }
        // Children in template order: the tab order.
        if (previous) {
            EXPECT_GT(window->children().indexOf(widget), window->children().indexOf(previous));
        }
        previous = widget;
    }
}

TEST_F(TemplateTest, MainDialogControlStyles)
{
    auto* screen = window->Control(IDC_SCREEN);
    EXPECT_TRUE(screen->isHidden());
    EXPECT_EQ(qobject_cast<QLabel*>(screen)->text(), "Screen");

    for (int id : {IDC_MOVE_MAX_Y, IDC_MOVE_MIN_Y, IDC_CLEAR_VALUE, IDC_TIME_LIMIT}) {
        auto* edit = qobject_cast<QLineEdit*>(window->Control(id));
        ASSERT_NE(edit, nullptr) << id;
        EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << id;
        // Only the time limit scrolls; the others take what their width shows.
        EXPECT_EQ(edit->validator() == nullptr, id == IDC_TIME_LIMIT) << id;
    }
    for (int id : {IDC_BACKGROUND, IDC_BGM, IDC_CLEAR_CONDITION}) {
        auto* combo = qobject_cast<QComboBox*>(window->Control(id));
        ASSERT_NE(combo, nullptr) << id;
        EXPECT_FALSE(combo->isEditable());
    }
    for (int id : {IDC_CHARACTER_LIST, IDC_EVENT_LIST}) {
        auto* table = qobject_cast<QTableWidget*>(window->Control(id));
        ASSERT_NE(table, nullptr) << id;
        EXPECT_EQ(table->selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_EQ(table->columnCount(), 0);  // the program inserts the columns
        // The selection stays visible without the focus.
        EXPECT_EQ(table->palette().color(QPalette::Inactive, QPalette::Highlight),
                  table->palette().color(QPalette::Active, QPalette::Highlight));
    }
    auto* check = window->Control(IDC_CHECK);
    EXPECT_TRUE(check->isHidden());
    EXPECT_FALSE(check->isEnabled());
    EXPECT_EQ(qobject_cast<QPushButton*>(window->Control(IDC_SCROLL_LEFT))->text(),
              QString::fromUtf8("◀"));
}

// Not a check: with VANTREL_SHOT_DIR set, saves the main dialog as a PNG to
// look at.
TEST_F(TemplateTest, SavesAPictureWhenAsked)
{
    const char* folder = std::getenv("VANTREL_SHOT_DIR");
    if (!folder) GTEST_SKIP() << "VANTREL_SHOT_DIR not set";
    CComboBox combo;
    combo.SubclassDlgItem(IDC_BACKGROUND, &dlg);
    combo.AddString(testhooks::Cp949("배경 하나").c_str());
    combo.SetCurSel(0);
    CListCtrl list;
    list.SubclassDlgItem(IDC_EVENT_LIST, &dlg);
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const char* headings[] = {"Num", "캐릭터", "명령어", "이름", "Message1"};
    for (int i = 0; i < 5; ++i)
        list.InsertColumn(i, testhooks::Cp949(headings[i]).c_str(),
                          i < 4 ? LVCFMT_CENTER : LVCFMT_LEFT, i < 4 ? 80 : 210);
    list.InsertItem(0, "0");
    list.SetItemText(0, 1, testhooks::Cp949("전부").c_str());
    list.SetItemText(0, 4, testhooks::Cp949("대사 한 줄").c_str());
    for (int id : {IDC_MOVE_MAX_Y, IDC_MOVE_MIN_Y, IDC_CLEAR_VALUE, IDC_TIME_LIMIT})
        dlg.GetDlgItem(id)->SetWindowText(id == IDC_MOVE_MAX_Y ? "240" : id == IDC_MOVE_MIN_Y ? "200" : "0");
    dlg.SetWindowText("Vantrel v3.1.0 (User Version)  -  none.stg");
    dlg.ShowWindow(SW_SHOW);
    Settle();
    QPixmap picture = window->grab();
    EXPECT_TRUE(picture.save(QDir(folder).filePath("dialog102.png")));
    // The small edits and buttons between the preview and the lists, enlarged.
    QRect middle(window->Units().Rect(200, 176, 250, 40));
    EXPECT_TRUE(picture.copy(middle).scaled(middle.size() * 3).save(
        QDir(folder).filePath("dialog102-middle.png")));
}

}  // namespace
