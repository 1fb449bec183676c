#include "overview/overviewexport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace {

QString tr(const char *text) { return QCoreApplication::translate("OverviewExport", text); }

bool writePdf(const OverviewSheet &sheet, const QString &path, const QPageSize &paper,
              QString &error)
{
    QPdfWriter writer(path);
    writer.setPageSize(paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(sheet.title);
    writer.setCreator(QCoreApplication::applicationName());
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = tr("The file could not be written.");
        return false;
    }
    paintOverviewAtResolution(painter, writer.resolution(), paper.sizePoints(), sheet);
    return painter.end();
}

bool writePng(const OverviewSheet &sheet, const QString &path, const QPageSize &paper,
              QString &error)
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
    if (!image.save(path, "PNG")) {
        error = tr("The file could not be written.");
        return false;
    }
    return true;
}

bool writeSvg(const OverviewSheet &sheet, const QString &path, const QPageSize &paper,
              QString &error)
{
    // One unit of the picture is one point, so that it has the page's size.
    const QSize points = paper.sizePoints();
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(points);
    generator.setViewBox(QRect(QPoint(0, 0), points));
    generator.setResolution(72);
    generator.setTitle(sheet.title);
    QPainter painter;
    if (!painter.begin(&generator)) {
        error = tr("The file could not be written.");
        return false;
    }
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
    switch (overviewFormatOf(path)) {
    case OverviewFormat::Pdf: return writePdf(sheet, path, page, error);
    case OverviewFormat::Png: return writePng(sheet, path, page, error);
    case OverviewFormat::Svg: return writeSvg(sheet, path, page, error);
    case OverviewFormat::Unknown: break;
    }
    error = tr("The overview is written as PDF, PNG or SVG: the file name must end in .pdf, .png or .svg.");
    return false;
}
