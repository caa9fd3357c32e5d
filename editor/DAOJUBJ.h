#pragma once
// The tool edit dialog: a tool's six dimensions as free text, with pictures
// of the three tool types.
#include "editor/ToolLibrary.h"

#include <QDialog>

class QLineEdit;

class CDAOJUBJ : public QDialog {
    Q_OBJECT
public:
    explicit CDAOJUBJ(QWidget* parent = nullptr);

    // Tool length, lead angle, point angle, head width, head length, groove width.
    void setTexts(const TToolEditTexts& texts);
    TToolEditTexts texts() const;
    QLineEdit* edit(int index) const { return m_edits[index]; }

private:
    QLineEdit* m_edits[tool_library::kEditTexts] = {};
};
