#include "mfc/DialogWindow.h"
#include "mfc/ListView.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QValidator>
#include <qdrawutil.h>

#include "mfc/CWnd.h"
#include "mfc/KeyRouter.h"
#include "win32/Window.h"

namespace {

const char* const kIdProperty = "afx_id";

// The sunken client edge: two pixels on every side.
const int kClientEdge = 2;

// An edit without horizontal scrolling takes only as much text as its width
// shows.
class WidthValidator : public QValidator {
public:
    explicit WidthValidator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString& input, int&) const override
    {
        QMargins margins = m_edit->textMargins();
        // The line edit keeps a small margin of its own on either side.
        int room = m_edit->contentsRect().width() - margins.left() - margins.right() - 4;
        return m_edit->fontMetrics().horizontalAdvance(input) <= room ? Acceptable : Invalid;
    }

private:
    QLineEdit* m_edit;
};

}  // namespace

DialogWindow::DialogWindow(CWnd* owner, const AfxDialogTemplate& dialogTemplate, QWidget* parent)
    : QWidget(parent), m_owner(owner)
{
    KeyRouter::Install();

    Qt::WindowFlags flags = parent ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialogTemplate.style & AFX_DS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialogTemplate.style & AFX_DS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);

    setFont(afx::DialogFont(dialogTemplate.pointSize));
    m_units = afx::DialogUnitsOf(font());
    // A client edge lies round the client area, as the window system draws
    // it: the window grows by it and the controls keep their places in the
    // client area.
    if (dialogTemplate.style & AFX_DS_CLIENTEDGE) m_edge = kClientEdge;
    setFixedSize(m_units.X(dialogTemplate.cx) + 2 * m_edge,
                 m_units.Y(dialogTemplate.cy) + 2 * m_edge);
    setWindowTitle(win32::FromCp949(dialogTemplate.caption ? dialogTemplate.caption : ""));

    // Made in template order, so that the tab order is the template's.
    for (int i = 0; i < dialogTemplate.itemCount; ++i) MakeControl(dialogTemplate.items[i]);
}

QWidget* DialogWindow::MakeControl(const AfxDialogItem& item)
{
    QString text = win32::FromCp949(item.text ? item.text : "");
    QRect place = m_units.Rect(item.x, item.y, item.cx, item.cy).translated(m_edge, m_edge);
    int id = item.id;
    QWidget* control = nullptr;

    switch (item.kind) {
    case AFX_CTL_STATIC: {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(((item.style & AFX_CS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignTop);
        control = label;
        break;
    }
    case AFX_CTL_BUTTON:
    case AFX_CTL_CHECKBOX: {
        QAbstractButton* button = nullptr;
        if (item.kind == AFX_CTL_CHECKBOX) {
            button = new QCheckBox(text, this);
        } else {
            auto* push = new QPushButton(text, this);
            // Enter is the dialog's (PreTranslateMessage), never a button's.
            push->setAutoDefault(false);
            button = push;
        }
        connect(button, &QAbstractButton::clicked, this, [this, id] { Notify(id, BN_CLICKED); });
        control = button;
        break;
    }
    case AFX_CTL_EDIT: {
        auto* edit = new QLineEdit(text, this);
        edit->setAlignment(((item.style & AFX_CS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft) |
                           Qt::AlignVCenter);
        if (!(item.style & AFX_CS_AUTOHSCROLL)) edit->setValidator(new WidthValidator(edit));
        // An edit lower than the style's frame and margins wants gets a thin
        // border, so that its text is not cut off.
        if (place.height() < edit->sizeHint().height()) {
            edit->setStyleSheet(QStringLiteral(
                "QLineEdit { border: 1px solid palette(mid); padding: 0px;"
                " background: palette(base); }"
                "QLineEdit:disabled { background: palette(window); }"));
        }
        connect(edit, &QLineEdit::textEdited, this, [this, id] { Notify(id, EN_CHANGE); });
        edit->installEventFilter(this);
        control = edit;
        break;
    }
    case AFX_CTL_COMBOBOX: {
        auto* combo = new QComboBox(this);
        combo->setEditable(false);
        // The template's height is that of the open list; the box itself is
        // as high as its font needs.
        int boxHeight = combo->sizeHint().height();
        int rowHeight = combo->fontMetrics().height() + 2;
        combo->setMaxVisibleItems(std::max(1, (place.height() - boxHeight) / rowHeight));
        place.setHeight(boxHeight);
        connect(combo, &QComboBox::activated, this, [this, id] { Notify(id, CBN_SELCHANGE); });
        control = combo;
        break;
    }
    case AFX_CTL_LISTVIEW:
        control = new ListView(item.style, this);
        break;
    }

    control->setGeometry(place);
    control->setProperty(kIdProperty, id);
    m_controls.emplace(id, control);
    if (item.style & AFX_CS_HIDDEN) control->hide();
    if (item.style & AFX_CS_DISABLED) control->setEnabled(false);
    return control;
}

QWidget* DialogWindow::Control(int id) const
{
    auto control = m_controls.find(id);
    return control != m_controls.end() ? control->second.data() : nullptr;
}

int DialogWindow::ControlId(const QWidget* control)
{
    QVariant id = control ? control->property(kIdProperty) : QVariant();
    return id.isValid() ? id.toInt() : 0;
}

void DialogWindow::Invalidate()
{
    m_invalid = true;
    update();
}

void DialogWindow::Notify(int id, int code)
{
    if (!m_owner) return;
    // No notifications while the dialog exchanges its data.
    if (m_owner->m_hWnd && afx::LockoutNotifyWindow() == m_owner->m_hWnd) return;
    if (code == EN_KILLFOCUS && afx::KillFocusSuppressed()) return;
    Dispatch dispatch(this);
    LRESULT result = 0;
    m_owner->OnWndMsg(WM_COMMAND, MAKEWPARAM(id, code),
                      reinterpret_cast<LPARAM>(win32::HandleOf(Control(id))), &result);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched)) {
        // A popup (a context menu) takes no focus from the edit.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            afx::EnterFocusChange(true);
            Notify(ControlId(static_cast<QWidget*>(watched)), EN_KILLFOCUS);
            afx::EnterFocusChange(false);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DialogWindow::paintEvent(QPaintEvent*)
{
    if (m_edge > 0) {
        // Sunken: dark above and left, light below and right, where the
        // inner line is the face itself.
        QPalette colours = palette();
        colours.setColor(QPalette::Midlight, colours.color(QPalette::Window));
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), colours, true);
    }
    // Only a window that needs painting gets WM_PAINT; what the program
    // presents into the window from its paint handler asks for none.
    if (!m_owner || !m_invalid) return;
    m_invalid = false;
    Dispatch dispatch(this);
    m_inPaint = true;
    m_owner->SendMessage(WM_PAINT);
    m_inPaint = false;
}

void DialogWindow::moveEvent(QMoveEvent*)
{
    if (!m_owner) return;
    Dispatch dispatch(this);
    QPoint client = mapToGlobal(ClientRect().topLeft());
    m_owner->SendMessage(WM_MOVE, 0, MAKELPARAM(client.x(), client.y()));
}

void DialogWindow::resizeEvent(QResizeEvent*)
{
    Invalidate();
}

void DialogWindow::showEvent(QShowEvent*)
{
    Invalidate();
}

void DialogWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) Invalidate();
    QWidget::changeEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The close box is the dialog's Cancel; the program decides.
    event->ignore();
    if (!m_owner) return;
    Dispatch dispatch(this);
    m_owner->OnCmdMsg(IDCANCEL, BN_CLICKED);
}
