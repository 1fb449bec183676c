#pragma once

#include "config/buttontable.h"
#include "summary/layoutkeymap.h"
#include "summary/summarytext.h"

#include <QDate>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// The overview sheet: every button of a configuration with what it does, on
// one page, arranged as the window's grid (rows of four).
struct OverviewSheet {
    QString title;                // the configuration's name
    QDate date;
    QString layout;               // the keyboard layout the summaries follow
    QList<ButtonSummary> buttons; // in button order
};

// Where things go on a page of `page` points. Shared by the painting and by
// whoever checks a rendered sheet.
class OverviewGeometry
{
public:
    static constexpr int Columns = 4;
    static constexpr qreal Margin = 36;  // half an inch
    static constexpr qreal Header = 52;
    static constexpr qreal Gap = 8;

    OverviewGeometry(const QSizeF &page, int buttonCount);
    QRectF headerRect() const;
    QRectF buttonRect(int index) const;
    // The part of a button's box that its summary may fill.
    QRectF summaryRect(int index) const;

private:
    QSizeF page_;
    int rows_;
};

// Paints the sheet in the interface language. The painter's unit must be the
// point, with the page's top left corner at the origin.
void paintOverview(QPainter &painter, const QSizeF &page, const OverviewSheet &sheet);

// The same on a device with `dpi` dots per inch: scales the painter to points.
void paintOverviewAtResolution(QPainter &painter, qreal dpi, const QSizeF &page,
                               const OverviewSheet &sheet);

// The sheet of a configuration: every button's summary under `keymap`, in
// the interface language.
OverviewSheet overviewSheetFor(const ButtonTable &table, const LayoutKeymap &keymap,
                               const QString &title, const QDate &date);
