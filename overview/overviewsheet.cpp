#include "overview/overviewsheet.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

namespace {

// Sizes in points. Pixel sizes are used for the fonts because the painter's
// unit is the point: a point size would be scaled twice.
constexpr int TitleSize = 16;
constexpr int DetailSize = 9;
constexpr int NumberSize = 14;
constexpr int SummarySize = 11;
constexpr int SmallSummarySize = 8;
constexpr qreal NumberHeight = 20;
constexpr qreal Padding = 6;

QFont sheetFont(int size, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size);
    font.setBold(bold);
    // Outlines as designed: hinting would fit the glyphs to the painter's
    // scaled grid differently on every device.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Text broken into lines of `width`, at word boundaries where it can be and
// anywhere else: a summary like "git status⏎" has few spaces.
class WrappedText
{
public:
    WrappedText(const QString &text, const QFont &font, qreal width)
        : layout_(text, font)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_.setTextOption(option);
        layout_.setCacheEnabled(true);
        const QFontMetricsF metrics(font);
        layout_.beginLayout();
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, height_));
            height_ += metrics.lineSpacing();
        }
        layout_.endLayout();
    }

    qreal height() const { return height_; }
    void draw(QPainter &painter, const QPointF &at) { layout_.draw(&painter, at); }

private:
    QTextLayout layout_;
    qreal height_ = 0;
};

// The text that fits the box, longest first: the full summary at the normal
// and at the small size, then the one-line summary.
void paintSummary(QPainter &painter, const QRectF &box, const ButtonSummary &summary)
{
    if (summary.full.isEmpty()) {
        painter.setPen(QColor(120, 120, 120));
        WrappedText text(shownSummary(summary.full), sheetFont(SummarySize), box.width());
        text.draw(painter, box.topLeft());
        return;
    }
    painter.setPen(Qt::black);
    for (int size : {SummarySize, SmallSummarySize}) {
        WrappedText text(summary.full, sheetFont(size), box.width());
        if (text.height() <= box.height()) {
            text.draw(painter, box.topLeft());
            return;
        }
    }
    WrappedText text(summary.brief, sheetFont(SummarySize), box.width());
    text.draw(painter, box.topLeft());
}

} // namespace

OverviewGeometry::OverviewGeometry(const QSizeF &page, int buttonCount)
    : page_(page)
    , rows_(std::max(1, (buttonCount + Columns - 1) / Columns))
{
}

QRectF OverviewGeometry::headerRect() const
{
    return QRectF(Margin, Margin, page_.width() - 2 * Margin, Header);
}

QRectF OverviewGeometry::buttonRect(int index) const
{
    const qreal top = Margin + Header + Gap;
    const qreal width = (page_.width() - 2 * Margin - (Columns - 1) * Gap) / Columns;
    const qreal height = (page_.height() - top - Margin - (rows_ - 1) * Gap) / rows_;
    const int row = index / Columns;
    const int column = index % Columns;
    return QRectF(Margin + column * (width + Gap), top + row * (height + Gap), width, height);
}

QRectF OverviewGeometry::summaryRect(int index) const
{
    return buttonRect(index).adjusted(Padding, Padding + NumberHeight, -Padding, -Padding);
}

void paintOverview(QPainter &painter, const QSizeF &page, const OverviewSheet &sheet)
{
    const OverviewGeometry geometry(page, int(sheet.buttons.size()));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), page), Qt::white);

    const QRectF header = geometry.headerRect();
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(TitleSize, true));
    const QFontMetricsF titleMetrics(painter.font());
    const QString date = interfaceLocale().toString(sheet.date, QLocale::LongFormat);
    painter.drawText(header.topLeft() + QPointF(0, titleMetrics.ascent()),
                     titleMetrics.elidedText(sheet.title, Qt::ElideRight, header.width() * 0.65));
    painter.setFont(sheetFont(DetailSize));
    const QFontMetricsF detailMetrics(painter.font());
    painter.drawText(QPointF(header.right() - detailMetrics.horizontalAdvance(date),
                             header.top() + titleMetrics.ascent()),
                     date);
    const QString detail = QCoreApplication::translate(
        "OverviewSheet", "What each button does, with the keyboard layout \"%1\"").arg(sheet.layout);
    painter.drawText(QPointF(header.left(), header.top() + titleMetrics.lineSpacing() + 6
                                                + detailMetrics.ascent()),
                     detailMetrics.elidedText(detail, Qt::ElideRight, header.width()));
    painter.setPen(QPen(QColor(90, 90, 90), 0.8));
    painter.drawLine(QPointF(header.left(), header.bottom()), QPointF(header.right(), header.bottom()));

    for (int i = 0; i < sheet.buttons.size(); ++i) {
        const QRectF box = geometry.buttonRect(i);
        painter.setPen(QPen(QColor(60, 60, 60), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(QColor(9, 20, 82));
        painter.setFont(sheetFont(NumberSize, true));
        painter.drawText(QRectF(box.left() + Padding, box.top() + Padding, box.width(), NumberHeight),
                         Qt::AlignLeft | Qt::AlignTop, QString::number(i + 1));
        paintSummary(painter, geometry.summaryRect(i), sheet.buttons[i]);
    }
    painter.restore();
}

void paintOverviewAtResolution(QPainter &painter, qreal dpi, const QSizeF &page,
                               const OverviewSheet &sheet)
{
    painter.save();
    painter.scale(dpi / 72.0, dpi / 72.0);
    paintOverview(painter, page, sheet);
    painter.restore();
}

OverviewSheet overviewSheetFor(const ButtonTable &table, const LayoutKeymap &keymap,
                               const QString &title, const QDate &date)
{
    OverviewSheet sheet{title, date, keymap.layout(), {}};
    for (int i = 0; i < table.buttonCount; ++i)
        sheet.buttons.append(buttonSummary(table.content(uint8_t(i)), keymap, SummaryLanguage::Interface));
    return sheet;
}
