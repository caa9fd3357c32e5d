#pragma once
// The short-lived edit box of CEditList: it lives over one cell from the
// start of an edit until it loses the focus, then reports the text (or that
// the edit was escaped) to the list and deletes itself.
#include <QLineEdit>
#include <QPointer>

class CEditList;

class CEditItem : public QLineEdit {
    Q_OBJECT
public:
    CEditItem(CEditList& list, int row, int column, const QString& text);

    int row() const { return m_row; }
    int column() const { return m_column; }
    const QString& initialText() const { return m_initial; }
    bool escaped() const { return m_escaped; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void widen();
    void finish();

    QPointer<CEditList> m_list;
    int m_row;
    int m_column;
    QString m_initial;
    bool m_escaped = false;
    bool m_finished = false;
};
