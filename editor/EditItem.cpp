#include "editor/EditItem.h"

#include "editor/EditList.h"
#include "editor/EditListGeometry.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <optional>

namespace {

// Keys the box keeps for itself, so the dialog around the list never
// presses its default or cancel button and Delete edits the text, not the
// list.
bool IsOwnKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return true;
    default:
        return key.modifiers().testFlag(Qt::ControlModifier);
    }
}

} // namespace

CEditItem::CEditItem(CEditList& list, int row, int column, const QString& text)
    : QLineEdit(list.viewport()), m_list(&list), m_row(row), m_column(column), m_initial(text)
{
    setObjectName("editItem");
    setFont(list.font());
    setText(text);
    // Typing replaces the value, as in any spreadsheet: with the caret at
    // the front, 1.5 typed over 0.000 gave 1.50.000.
    selectAll();
    connect(this, &QLineEdit::textEdited, this, &CEditItem::widen);
}

bool CEditItem::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && IsOwnKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CEditItem::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape)
        m_escaped = true;
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Handing the focus back ends the edit, as any other focus change does.
        if (m_list)
            m_list->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // Nothing typed into the box travels on to the list or the dialog.
    event->accept();
}

void CEditItem::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The box's own context menu takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        finish();
}

void CEditItem::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    hide();
    deleteLater();
    if (m_list)
        m_list->endLabelEdit(m_row, m_column,
                             m_escaped ? std::nullopt : std::optional<QString>(text()));
}

void CEditItem::widen()
{
    if (!m_list)
        return;
    // What the frame and the inner margins take besides the text itself.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const QMargins margins = textMargins();
    const int chrome = 2 * frame + 4 + margins.left() + margins.right();
    const int textWidth = fontMetrics().horizontalAdvance(text()) + chrome;
    const QRect box = geometry();
    const int right = WidenedRight(box.left(), box.left() + box.width(), textWidth,
                                   m_list->viewport()->width());
    if (right != box.left() + box.width())
        setGeometry(box.left(), box.top(), right - box.left(), box.height());
}
