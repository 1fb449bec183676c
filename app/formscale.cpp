#include "app/formscale.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLayout>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>

namespace {

// Scaled from the far edge as well, so that neighbours keep touching.
struct Scaler
{
    qreal factor;

    int operator()(int value) const { return qRound(value * factor); }
    QSize operator()(QSize size) const
    {
        const auto limit = [this](int v) { return v >= QWIDGETSIZE_MAX ? v : (*this)(v); };
        return QSize(limit(size.width()), limit(size.height()));
    }
    QRect operator()(const QRect &r) const
    {
        const int left = (*this)(r.x());
        const int top = (*this)(r.y());
        return QRect(left, top, (*this)(r.x() + r.width()) - left,
                     (*this)(r.y() + r.height()) - top);
    }
};

bool placedByLayout(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return parent && parent->layout();
}

// Only sizes set on the widget itself; the others follow the application font.
void scaleFont(QWidget *w, qreal factor)
{
    if (!(w->font().resolveMask() & QFont::SizeResolved) || w->font().pointSizeF() <= 0)
        return;
    QFont font = w->font();
    font.setPointSizeF(font.pointSizeF() * factor);
    w->setFont(font);
}

// Pixel sizes in a widget's own style sheet (the port table's header) would
// otherwise stay small beside the grown text around them.
void scaleStyleSheetFonts(QWidget *w, const Scaler &scale)
{
    static const QRegularExpression pixelFont(QStringLiteral("(font(?:-size)?:[^;}]*?)(\\d+)px"));
    QString sheet = w->styleSheet();
    if (!sheet.contains(QLatin1String("px")))
        return;
    QString scaled;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &m : pixelFont.globalMatch(sheet)) {
        scaled += QStringView(sheet).mid(last, m.capturedStart(2) - last);
        scaled += QString::number(scale(m.captured(2).toInt()));
        last = m.capturedEnd(2);
    }
    scaled += QStringView(sheet).mid(last);
    if (scaled != sheet)
        w->setStyleSheet(scaled);
}

void scaleWidget(QWidget *w, const Scaler &scale)
{
    if (!placedByLayout(w))
        w->setGeometry(scale(w->geometry()));
    w->setMinimumSize(scale(w->minimumSize()));
    w->setMaximumSize(scale(w->maximumSize()));
    scaleFont(w, scale.factor);
    scaleStyleSheetFonts(w, scale);
    if (auto *header = qobject_cast<QHeaderView *>(w))
        if (header->orientation() == Qt::Vertical)
            header->setDefaultSectionSize(scale(header->defaultSectionSize()));
}

void scaleLayout(QLayout *layout, const Scaler &scale)
{
    if (layout->spacing() > 0)
        layout->setSpacing(scale(layout->spacing()));
    const QMargins m = layout->contentsMargins();
    layout->setContentsMargins(scale(m.left()), scale(m.top()), scale(m.right()),
                               scale(m.bottom()));
}

} // namespace

QFont referenceFormFont()
{
    return QFont(QStringLiteral("DejaVu Sans"), 9);
}

qreal formScaleFactor(const QFont &font)
{
    // The form's own font needs no measuring; loading the reference font
    // beside it would only slow the start.
    const QFont form = referenceFormFont();
    const QFontInfo given(font);
    if (given.family() == form.family() && given.pointSizeF() == form.pointSizeF()
        && given.weight() == form.weight() && given.style() == form.style())
        return 1.0;
    const QFontMetricsF reference(form);
    const QFontMetricsF actual(font);
    const QString sample = QStringLiteral("Insert one key Please select a button 0123456789");
    const qreal factor = std::max(actual.height() / reference.height(),
                                  actual.horizontalAdvance(sample)
                                      / reference.horizontalAdvance(sample));
    // Measuring the reference against itself gives 1 exactly; tiny differences
    // of hinting must not move anything.
    return factor > 1.005 ? factor : 1.0;
}

void scaleForm(QWidget *window, qreal factor)
{
    if (factor <= 1.0)
        return;
    const Scaler scale{factor};
    const QSize size = scale(window->size());
    window->setMinimumSize(scale(window->minimumSize()));
    window->setMaximumSize(scale(window->maximumSize()));
    window->resize(size);
    scaleFont(window, factor);

    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isWindow())
            continue; // menus and other pop-ups size themselves
        scaleWidget(w, scale);
    }
    for (QLayout *layout : window->findChildren<QLayout *>())
        if (!layout->inherits("QMainWindowLayout"))
            scaleLayout(layout, scale);
}

void scaleFormToApplicationFont(QWidget *window)
{
    scaleForm(window, formScaleFactor(QApplication::font()));
}
