#pragma once

#include "overview/overviewsheet.h"

#include <QPageSize>
#include <QString>

enum class OverviewFormat { Pdf, Png, Svg, Unknown };

// The format a file name asks for by its suffix (.pdf, .png, .svg).
OverviewFormat overviewFormatOf(const QString &path);

// The resolution of a PNG sheet: sharp enough to print.
constexpr int OverviewPngDpi = 150;

// Writes the sheet to `path` in the format of its suffix on one page of
// `paper`. On failure returns false with the reason in `error`.
bool exportOverview(const OverviewSheet &sheet, const QString &path, QPageSize::PageSizeId paper,
                    QString &error);
