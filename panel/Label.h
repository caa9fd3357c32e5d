#pragma once
// A static text that paints itself: its own font, colours, alignment, 3D
// and rotated text, through a memory image so that frequent updates (the
// panel's clock) never flicker. A click tells the parent, or opens the text
// when the label is a link.
#include "panel/LabelRules.h"

#include <QColor>
#include <QCursor>
#include <QFrame>
#include <QTimer>

#include <optional>

class CShell;

class CLabel : public QFrame {
    Q_OBJECT
public:
    // The code of the click notification.
    static constexpr int kClickCode = 0x8200;

    explicit CLabel(int controlId = 0, QWidget* parent = nullptr);

    virtual CLabel& SetBkColor(const QColor& colour);
    virtual CLabel& SetTextColor(const QColor& colour);
    virtual CLabel& SetText(const QString& text);
    virtual CLabel& SetFontBold(bool bold);
    virtual CLabel& SetFontName(const QString& face);
    virtual CLabel& SetFontUnderline(bool underline);
    virtual CLabel& SetFontItalic(bool italic);
    virtual CLabel& SetFontSize(int points);
    virtual CLabel& SetSunken(bool sunken);
    virtual CLabel& SetBorder(bool border);
    virtual CLabel& SetTransparent(bool transparent);
    virtual CLabel& FlashText(bool on);
    virtual CLabel& FlashBackground(bool on);
    virtual CLabel& SetLink(bool notify, bool link);
    virtual CLabel& SetLinkCursor(const QCursor& cursor);
    virtual CLabel& SetText3D(bool on, bool raised);
    virtual CLabel& SetRotationAngle(int degrees, bool rotated);
    virtual CLabel& SetText3DHiliteColor(const QColor& colour);

    // The panel drawn smaller or larger than its artwork scales its text too.
    void SetFontScale(double scale);

    // The static control's placement styles (ELabelStyle bits).
    void SetLabelStyle(unsigned style);
    // What opens a link label's text; without one a link click does nothing.
    void SetShell(CShell* shell) { m_shell = shell; }

    QString Text() const { return m_text; }
    QColor BkColor() const;
    QColor TextColor() const;
    const SLabelFont& FontDescription() const { return m_fontDesc; }
    int ControlId() const { return m_controlId; }

signals:
    void Notify(int controlId, int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RebuildFont();
    void Redraw();
    void ApplyFrame();
    void PaintText(QPainter& painter);
    void StartFlash(EFlashKind kind);
    SRgb FaceColour() const;

    int m_controlId;
    unsigned m_style = kLabelLeft;
    QString m_text;
    SLabelLook m_look;
    SLabelFont m_fontDesc;
    QFont m_font;
    SRgb m_face{};
    bool m_notify = true;
    bool m_sunken = false;
    bool m_border = false;
    bool m_link = false;
    std::optional<QCursor> m_linkCursor;
    CShell* m_shell = nullptr;
    QTimer m_flashTimer;
    double m_fontScale = 1.0;
};
