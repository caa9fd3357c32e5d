#include "app/DrawingExport.h"

#include <QFile>
#include <QImage>
#include <QOpenGLWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

// An A4 sheet on its side at 96 dots per inch: what the SVG's viewBox spans.
constexpr int kSheetWidth = 1123, kSheetHeight = 794;

void PaintOnDevice(QPaintDevice& device, const QRectF& area, const SPartDrawingContent& content)
{
    QPainter painter(&device);
    PaintPartDrawing(painter, area, content);
}

} // namespace

bool WriteDrawingSvg(const SPartDrawingContent& content, const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kSheetWidth, kSheetHeight));
    svg.setViewBox(QRect(0, 0, kSheetWidth, kSheetHeight));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("零件图"));
    PaintOnDevice(svg, QRectF(0, 0, kSheetWidth, kSheetHeight), content);
    return QFile::exists(path);
}

bool WriteDrawingPdf(const SPartDrawingContent& content, const QString& path)
{
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setResolution(150);
    pdf.setTitle(QStringLiteral("零件图"));
    PaintOnDevice(pdf, QRectF(0, 0, pdf.width(), pdf.height()), content);
    return QFile::exists(path);
}

void PrintDrawing(const SPartDrawingContent& content, QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&printer);
    PaintPartDrawing(painter, QRectF(0, 0, printer.width(), printer.height()), content);
}

bool WriteViewPicture(QWidget& view, const QString& path)
{
    auto* gl = qobject_cast<QOpenGLWidget*>(&view);
    const QImage image = gl ? gl->grabFramebuffer() : view.grab().toImage();
    return !image.isNull() && image.save(path, "PNG");
}
