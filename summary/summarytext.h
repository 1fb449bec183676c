#pragma once

#include "summary/scriptsummary.h"

#include <QLocale>
#include <QString>

class LayoutKeymap;

// In which language the summary's words are: the interface language for
// people (window, sheet, show), English for machine-readable output. Typed
// text and key names are the same in both.
enum class SummaryLanguage { Interface, English };

// The short form is cut to this many characters, the last being "…".
constexpr int ShortSummaryLength = 40;

struct ButtonSummary {
    QString full;  // every step; empty for an empty script
    QString brief; // the full form cut to one line
};

// The steps as one line of text, separated by commas.
QString summaryText(const QList<SummaryStep> &steps, SummaryLanguage language);

// `full` cut to at most ShortSummaryLength characters, ending in "…" when cut.
QString shortSummary(const QString &full);

ButtonSummary buttonSummary(const ButtonContent &content, const LayoutKeymap &keymap,
                            SummaryLanguage language);

// The locale of the interface language, for numbers and dates beside the
// translated words: the catalogue in use names it.
QLocale interfaceLocale();

// What to show for a button in the interface: its summary, or "empty".
QString shownSummary(const QString &summary);
