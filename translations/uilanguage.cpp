#include "translations/uilanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString LanguageOption = QStringLiteral("--lang");

// Standard button texts of Qt that our catalogues carry too, so that they
// match the language's desktop: Debian ships Qt's Portuguese catalogue only in
// its Brazilian form ("Salvar" for "Guardar"). Ours is asked first.
[[maybe_unused]] constexpr const char *ToolkitTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
};

// The translators in force; replaced as a whole when the language changes.
QTranslator *&ownTranslator()
{
    static QTranslator *translator = nullptr;
    return translator;
}

QTranslator *&toolkitTranslator()
{
    static QTranslator *translator = nullptr;
    return translator;
}

void removeTranslator(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// Qt's catalogue of the language our catalogue speaks. Debian ships Portuguese
// only in its Brazilian form, whose standard buttons read the same.
QTranslator *loadToolkitCatalogue(const QLocale &language)
{
    auto *translator = new QTranslator;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"), folder)
        || (language.language() == QLocale::Portuguese
            && translator->load(QStringLiteral("qtbase_pt_BR"), folder)))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QString languageArgument(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments.at(i);
        if (word == QLatin1String("--"))
            break;
        if (word == LanguageOption && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (word.startsWith(LanguageOption + QLatin1Char('=')))
            return word.mid(LanguageOption.size() + 1);
    }
    return QString();
}

QStringList withoutLanguageArgument(const QStringList &arguments)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments.at(i);
        if (word == QLatin1String("--")) {
            rest << arguments.mid(i);
            break;
        }
        if (word == LanguageOption && i + 1 < arguments.size())
            ++i;
        else if (!word.startsWith(LanguageOption + QLatin1Char('=')))
            rest << word;
    }
    return rest;
}

QString installTranslations(const QString &code)
{
    removeTranslator(ownTranslator());
    removeTranslator(toolkitTranslator());
    const QLocale wanted = code.isEmpty() ? QLocale::system() : QLocale(code);
    auto *own = new QTranslator;
    // Tries the languages the user lists (LANGUAGE) in their order, each with
    // and without its country, against the catalogues in the resources. The
    // texts are English already, so English listed before any language with
    // a catalogue ends the search.
    bool loaded = false;
    for (const QString &name : wanted.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        loaded = own->load(language, QStringLiteral("qm47"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"));
        if (loaded)
            break;
    }
    if (!loaded) {
        delete own;
        return QString();
    }
    const QLocale language(own->language());
    // The translator installed last is asked first: ours before Qt's.
    if (QTranslator *toolkit = loadToolkitCatalogue(language)) {
        QCoreApplication::installTranslator(toolkit);
        toolkitTranslator() = toolkit;
    }
    QCoreApplication::installTranslator(own);
    ownTranslator() = own;
    return QLocale::languageToCode(language.language());
}
