#include "overview/overviewexport.h"

#include "file/atomicwrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace {

// Each format is painted into memory first, so that the file is then written
// whole or not at all, as every file of the programs.

bool paintPdf(const OverviewSheet &sheet, QBuffer &buffer, const QPageSize &paper)
{
    QPdfWriter writer(&buffer);
    writer.setPageSize(paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(sheet.title);
    writer.setCreator(QCoreApplication::applicationName());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    paintOverviewAtResolution(painter, writer.resolution(), paper.sizePoints(), sheet);
    return painter.end();
}

bool paintPng(const OverviewSheet &sheet, QBuffer &buffer, const QPageSize &paper)
{
    QImage image(paper.sizePixels(OverviewPngDpi), QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(OverviewPngDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintOverviewAtResolution(painter, OverviewPngDpi, paper.sizePoints(), sheet);
    }
    return image.save(&buffer, "PNG");
}

bool paintSvg(const OverviewSheet &sheet, QBuffer &buffer, const QPageSize &paper)
{
    // One unit of the picture is one point, so that it has the page's size.
    const QSize points = paper.sizePoints();
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(points);
    generator.setViewBox(QRect(QPoint(0, 0), points));
    generator.setResolution(72);
    generator.setTitle(sheet.title);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    paintOverview(painter, points, sheet);
    return painter.end();
}

} // namespace

OverviewFormat overviewFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return OverviewFormat::Pdf;
    if (suffix == QLatin1String("png"))
        return OverviewFormat::Png;
    if (suffix == QLatin1String("svg"))
        return OverviewFormat::Svg;
    return OverviewFormat::Unknown;
}

bool exportOverview(const OverviewSheet &sheet, const QString &path, QPageSize::PageSizeId paper,
                    QString &error)
{
    const QPageSize page(paper);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    switch (overviewFormatOf(path)) {
    case OverviewFormat::Pdf: painted = paintPdf(sheet, buffer, page); break;
    case OverviewFormat::Png: painted = paintPng(sheet, buffer, page); break;
    case OverviewFormat::Svg: painted = paintSvg(sheet, buffer, page); break;
    case OverviewFormat::Unknown:
        error = QCoreApplication::translate("OverviewExport", "The overview is written as PDF, PNG or SVG: the file name must end in .pdf, .png or .svg.");
        return false;
    }
    buffer.close();
    QString reason;
    if (!painted || !writeWholeFile(path, buffer.data(), &reason)) {
        error = reason.isEmpty()
            ? QCoreApplication::translate("OverviewExport", "The file could not be written.")
            : QCoreApplication::translate("OverviewExport", "The file could not be written: %1").arg(reason);
        return false;
    }
    return true;
}
