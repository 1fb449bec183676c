#include "app/formscheme.h"

#include <QWidget>

namespace FormScheme {

QPalette palette()
{
    // The stock light palette of the toolkit's own style.
    const QColor window(0xEF, 0xEF, 0xEF);
    const QColor light = window.lighter(150);
    const QColor mid = window.darker(130);
    const QColor dark = window.darker(150);
    QPalette p(Qt::black, window, light, dark, mid, Qt::black, Qt::white);
    p.setBrush(QPalette::Midlight, mid.lighter(110));
    p.setBrush(QPalette::Button, window);
    p.setBrush(QPalette::Shadow, dark.darker(135));
    p.setBrush(QPalette::Highlight, QColor(48, 140, 198));
    p.setBrush(QPalette::HighlightedText, Qt::white);
    p.setBrush(QPalette::Link, Qt::blue);
    p.setBrush(QPalette::LinkVisited, Qt::magenta);
    p.setBrush(QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
    p.setBrush(QPalette::ToolTipBase, QColor(255, 255, 220));
    p.setBrush(QPalette::ToolTipText, Qt::black);
    p.setBrush(QPalette::PlaceholderText, QColor(0, 0, 0, 128));

    p.setBrush(QPalette::Disabled, QPalette::WindowText, disabledText());
    p.setBrush(QPalette::Disabled, QPalette::Text, disabledText());
    p.setBrush(QPalette::Disabled, QPalette::ButtonText, disabledText());
    p.setBrush(QPalette::Disabled, QPalette::Base, window);
    p.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    p.setBrush(QPalette::Disabled, QPalette::Shadow, dark.darker(135).lighter(150));
    p.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return p;
}

void apply(QWidget *window)
{
    // Each widget gets it itself: under a style sheet a palette set on the
    // window does not reach the children.
    const QPalette scheme = palette();
    window->setPalette(scheme);
    for (QWidget *w : window->findChildren<QWidget *>())
        w->setPalette(scheme);
}

} // namespace FormScheme
