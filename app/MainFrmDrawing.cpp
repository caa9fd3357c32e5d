// The part drawing dock and the commands that show, export and print it.
#include "app/DrawingExport.h"
#include "app/MainFrm.h"
#include "common/CommandTable.h"
#include "simulation/Machine.h"
#include "simulation/PartDrawingView.h"

#include <QDate>
#include <QDockWidget>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QString StockText(const CSceneSwitches& s)
{
    QString text = QString::fromStdString(DiameterText(s.stockOuterDiameter / 2.0));
    if (s.stockInnerDiameter > 0.0)
        text += QStringLiteral("/") + QString::fromStdString(DiameterText(s.stockInnerDiameter / 2.0));
    return text + QStringLiteral(" × ") + QString::fromStdString(DimensionText(s.stockLength));
}

} // namespace

CMainFrame::TPrintDialog CMainFrame::DefaultPrintDialog()
{
    return [](QPrinter& printer, QWidget* parent) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
}

void CMainFrame::buildPartDrawing()
{
    m_partDrawing = new CPartDrawingView(m_services.machine);
    m_drawingDock = new QDockWidget(QStringLiteral("零件图"), this);
    m_drawingDock->setObjectName(QStringLiteral("partDrawingDock"));
    m_drawingDock->setWidget(m_partDrawing);
    m_drawingDock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::RightDockWidgetArea);
    addDockWidget(Qt::BottomDockWidgetArea, m_drawingDock);
    m_drawingDock->hide();
    m_printDialog = DefaultPrintDialog();
    m_handlers[Cmd::PartDrawing] = [this] {
        m_drawingDock->setVisible(!m_drawingDock->isVisible());
        m_partDrawing->Refresh();
    };
    m_handlers[Cmd::ExportDrawing] = [this] { exportDrawing(); };
    m_handlers[Cmd::PrintDrawing] = [this] { printDrawing(); };
    m_handlers[Cmd::ExportPicture] = [this] { exportPicture(); };
}

SPartDrawingContent CMainFrame::drawingContent(bool titled) const
{
    m_partDrawing->Refresh();
    SPartDrawingContent content = m_partDrawing->Content();
    if (titled) {
        content.programName = QString::fromStdString(document().GetTitle());
        content.stockText = StockText(m_services.machine.sim.switches);
        content.dateText = QDate::currentDate().toString(Qt::ISODate);
    }
    return content;
}

void CMainFrame::exportDrawing()
{
    const auto path = m_services.files.ChooseExport("零件图.svg", "零件图 (*.svg *.pdf)");
    if (!path)
        return;
    const QString file = QString::fromStdString(*path);
    const bool written = file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                             ? WriteDrawingPdf(drawingContent(true), file)
                             : WriteDrawingSvg(drawingContent(true), file);
    if (!written)
        m_services.prompter.Tell("零件图保存失败: " + *path, EPromptIcon::Warning);
}

void CMainFrame::printDrawing()
{
    QPrinter printer;
    if (m_printDialog(printer, this))
        PrintDrawing(drawingContent(true), printer);
}

void CMainFrame::exportPicture()
{
    const auto path = m_services.files.ChooseExport("三维视图.png", "图片 (*.png)");
    if (path && !WriteViewPicture(*m_panes[0], QString::fromStdString(*path)))
        m_services.prompter.Tell("图片保存失败: " + *path, EPromptIcon::Warning);
}
