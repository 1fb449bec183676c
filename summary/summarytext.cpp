#include "summary/summarytext.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

const char *const Context = "ScriptSummary";

QString word(const char *source, SummaryLanguage language)
{
    return language == SummaryLanguage::English ? QString::fromUtf8(source)
                                                : QCoreApplication::translate(Context, source);
}

QString seconds(int halfSeconds, SummaryLanguage language)
{
    const double value = halfSeconds / 2.0;
    // Machine-readable output keeps the decimal point whatever the locale.
    const QString number = language == SummaryLanguage::English ? QString::number(value)
                                                                : interfaceLocale().toString(value);
    return word(QT_TRANSLATE_NOOP("ScriptSummary", "%1 s"), language).arg(number);
}

QString stepText(const SummaryStep &step, SummaryLanguage language)
{
    switch (step.kind) {
    case SummaryStep::Text: {
        // Spaces at the edges of typed text would vanish beside the commas:
        // they are shown as the open box.
        QString text = step.text;
        for (qsizetype i = 0; i < text.size() && text.at(i) == u' '; ++i)
            text[i] = QChar(0x2423);
        for (qsizetype i = text.size() - 1; i >= 0 && text.at(i) == u' '; --i)
            text[i] = QChar(0x2423);
        return text;
    }
    case SummaryStep::Keys:
        return step.text;
    case SummaryStep::Delay:
        return seconds(step.halfSeconds, language);
    case SummaryStep::Hold:
        return word(QT_TRANSLATE_NOOP("ScriptSummary", "hold %1"), language).arg(step.text);
    case SummaryStep::StaysDown:
        return word(QT_TRANSLATE_NOOP("ScriptSummary", "%1 stays down"), language).arg(step.text);
    }
    return QString();
}

} // namespace

QString summaryText(const QList<SummaryStep> &steps, SummaryLanguage language)
{
    QStringList parts;
    for (const SummaryStep &step : steps)
        parts << stepText(step, language);
    return parts.join(QStringLiteral(", "));
}

QString shortSummary(const QString &full)
{
    if (full.size() <= ShortSummaryLength)
        return full;
    qsizetype cut = ShortSummaryLength - 1;
    // Never between the two halves of a character outside the basic plane.
    if (full.at(cut - 1).isHighSurrogate())
        --cut;
    return full.left(cut) + QChar(0x2026);
}

ButtonSummary buttonSummary(const ButtonContent &content, const LayoutKeymap &keymap,
                            SummaryLanguage language)
{
    const QString full = summaryText(summarizeScript(content, keymap), language);
    return {full, shortSummary(full)};
}

QLocale interfaceLocale()
{
    return QLocale(QCoreApplication::translate(
        "ScriptSummary", "en", "The code of this catalogue's language, for numbers and dates"));
}

QString shownSummary(const QString &summary)
{
    return summary.isEmpty() ? QCoreApplication::translate("ScriptSummary", "empty") : summary;
}
