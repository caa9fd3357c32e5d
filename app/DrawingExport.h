#pragma once
// The part drawing written to SVG and PDF files and sent to a printer, and
// the 3D view saved as a picture. Each paints what the pane shows.
#include "simulation/PartDrawingPaint.h"

#include <QString>

class QPrinter;
class QWidget;

bool WriteDrawingSvg(const SPartDrawingContent& content, const QString& path);
bool WriteDrawingPdf(const SPartDrawingContent& content, const QString& path);
void PrintDrawing(const SPartDrawingContent& content, QPrinter& printer);
// An OpenGL pane is read from its frame buffer; any other widget is grabbed.
bool WriteViewPicture(QWidget& view, const QString& path);
