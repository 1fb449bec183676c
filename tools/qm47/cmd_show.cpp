// qm47 show: a configuration file as the configurator's content list shows it.
#include "command.h"
#include "configfiles.h"
#include "console.h"
#include "jsonoutput.h"
#include "layoutoption.h"
#include "texts.h"

#include "config/buttontable.h"
#include "file/tkftext.h"
#include "keyboard/contentrowtext.h"
#include "summary/layoutkeymap.h"
#include "summary/summarytext.h"

#include <QJsonArray>


namespace {

// The rows of every button as the list shows them, and the text form of
// each entry for a script to read unambiguously, and the summary in English.
QJsonObject showJson(const QString &path, const ButtonTable &table, NameTable names,
                     const LayoutKeymap &keymap)
{
    QJsonArray buttons;
    for (int i = 0; i < table.buttonCount; ++i) {
        const ButtonContent &c = table.content(uint8_t(i));
        QJsonArray rows;
        QJsonArray entries;
        for (int k = 0; k < c.length; ++k) {
            rows.append(contentRowText(c.entries[size_t(k)], names));
            entries.append(textEntry(c.entries[size_t(k)]));
        }
        buttons.append(QJsonObject{{QStringLiteral("button"), i + 1},
                                   {QStringLiteral("summary"),
                                    buttonSummary(c, keymap, SummaryLanguage::English).full},
                                   {QStringLiteral("rows"), rows},
                                   {QStringLiteral("entries"), entries}});
    }
    return {{QStringLiteral("command"), QStringLiteral("show")},
            {QStringLiteral("file"), path},
            {QStringLiteral("buttons"), table.buttonCount},
            {QStringLiteral("max_entries"), table.maxEntries},
            {QStringLiteral("content"), buttons}};
}

int runShow(const Invocation &invocation)
{
    NameTable names = NameTable::English;
    if (!layoutFromOption(invocation, QStringLiteral("show"), names))
        return ExitUsage;

    const QString path = invocation.arguments.at(0);
    ButtonTable table;
    if (!loadConfigOrComplain(path, table))
        return ExitFailure;
    const LayoutKeymap keymap(xkbLayoutForNameTable(names));
    if (invocation.isSet(QStringLiteral("json"))) {
        printJson(showJson(path, table, names, keymap));
        return ExitSuccess;
    }
    out() << Texts::tr("%1 buttons, at most %2 entries each")
                     .arg(table.buttonCount)
                     .arg(table.maxEntries)
          << '\n';
    for (int i = 0; i < table.buttonCount; ++i) {
        const ButtonContent &c = table.content(uint8_t(i));
        if (c.length == 0) {
            out() << Texts::tr("Button %1: empty").arg(i + 1) << '\n';
            continue;
        }
        out() << (c.length == 1 ? Texts::tr("Button %1: 1 entry").arg(i + 1)
                                : Texts::tr("Button %1: %2 entries").arg(i + 1).arg(c.length))
              << '\n';
        out() << "  "
              << Texts::tr("Summary: %1").arg(buttonSummary(c, keymap, SummaryLanguage::Interface).full)
              << '\n';
        for (int k = 0; k < c.length; ++k)
            out() << "  " << contentRowText(c.entries[size_t(k)], names) << '\n';
    }
    return ExitSuccess;
}

} // namespace

Command showCommand()
{
    Command c;
    c.name = QStringLiteral("show");
    c.synopsis = QStringLiteral("FILE.tkf");
    c.summary = Texts::tr("Show a configuration file as text, one button a block.");
    c.description = Texts::tr(
        "Lists every button of FILE.tkf with its entries as the configurator's content\n"
        "list shows them: the key's name followed by \"down\" or \"up\", and a delay as\n"
        "the two rows \"Delay\" and \"0.5s\". Key names follow the keyboard layout\n"
        "chosen with --layout (English when not given). Under each button's heading a\n"
        "line says what it does in words: the text it types on that layout, its\n"
        "chords (\"Ctrl+Alt+T\"), delays and keys held. For a form that can be edited\n"
        "and turned back into a file, see \"qm47 convert\".\n");
    c.options = {layoutOption(),
                 {QStringLiteral("json"), QString(), Texts::tr("Print the configuration as a JSON document.")}};
    c.minArguments = c.maxArguments = 1;
    c.run = runShow;
    return c;
}
