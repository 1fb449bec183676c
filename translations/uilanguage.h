#pragma once

#include <QString>
#include <QStringList>

// The language of the programs' texts. The catalogues are built into the
// programs; Qt's own texts (standard buttons, the file dialog) come from the
// toolkit's catalogues installed on the system.

// The word after --lang (or the value of --lang=CODE), empty when not given.
QString languageArgument(const QStringList &arguments);

// The arguments without --lang and its value, for parsers that do not know it.
QStringList withoutLanguageArgument(const QStringList &arguments);

// Loads the catalogues for `code` ("de", "pt_PT"), or for the system locale
// when `code` is empty, replacing catalogues loaded before. Needs the
// application object. English, or a language without a catalogue, loads
// nothing and the texts stay English. Returns the language loaded ("de"), or
// an empty text for English.
QString installTranslations(const QString &code);
