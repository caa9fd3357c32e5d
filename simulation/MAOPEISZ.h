#pragma once
// The stock-size dialog: length, outer diameter and, on the picture of a
// tube, the bore. OK keeps the dialog open until every field holds a number
// within its range.
#include "simulation/StockSize.h"

#include <QDialog>

class CPrompter;
class CTubePicture;
class QLineEdit;

class CMAOPEISZ : public QDialog {
    Q_OBJECT
public:
    CMAOPEISZ(CPrompter& prompter, QWidget* parent = nullptr);

    // The values taken at the last accepted OK; all 0 before.
    const SStockSize& values() const { return m_values; }
    QLineEdit* field(EStockField which) const;

    void accept() override;

private:
    CPrompter& m_prompter;
    SStockSize m_values;
    QLineEdit* m_fields[3] = {};
};
