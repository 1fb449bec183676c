#include "keyboard/keynames.h"
#include "summary/layoutkeymap.h"
#include "summary/summarytext.h"

#include <QTest>

#include <map>
#include <memory>

namespace {

// A script in key names of the English table: "NAME" presses and releases a
// key, "NAME+" presses it, "NAME-" releases it, "~" is a delay.
ButtonContent script(const QString &text)
{
    ButtonContent content;
    const auto add = [&content](uint8_t action, uint8_t key) {
        content.entries[content.length++] = {action, key};
    };
    for (QString token : text.split(u' ', Qt::SkipEmptyParts)) {
        if (token == QLatin1String("~")) {
            add(ActionDelay, DelayFirstHalf);
            add(ActionDelay, DelaySecondHalf);
            continue;
        }
        const QChar sign = token.size() > 1 ? token.back() : QChar();
        if (sign == u'+' || sign == u'-')
            token.chop(1);
        int code = 0;
        while (code < 256 && keyNameIn(NameTable::English, KeyCode(code)) != token)
            ++code;
        if (code == 256)
            qFatal("no key named %s", qPrintable(token));
        if (sign != u'-')
            add(ActionPress, uint8_t(code));
        if (sign != u'+')
            add(ActionRelease, uint8_t(code));
    }
    return content;
}

const LayoutKeymap &keymap(const QString &layout)
{
    static std::map<QString, std::unique_ptr<LayoutKeymap>> keymaps;
    auto &entry = keymaps[layout];
    if (!entry)
        entry = std::make_unique<LayoutKeymap>(layout);
    return *entry;
}

} // namespace

class TestScriptSummary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void summary_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");

        const QString text = QStringLiteral("G I T BLANK S T A T U S ENTER");
        QTest::newRow("text us") << "us" << text << QStringLiteral("git status\u23CE");
        QTest::newRow("text de") << "de" << text << QStringLiteral("git status\u23CE");
        QTest::newRow("text fr") << "fr" << text << QStringLiteral("git stqtus\u23CE");
        const QString shifted = QStringLiteral("LSHIFT+ Z 2 LSHIFT- TAB 2");
        QTest::newRow("shift us") << "us" << shifted << QStringLiteral("Z@\u21E52");
        QTest::newRow("shift de") << "de" << shifted << QStringLiteral("Y\"\u21E52");
        QTest::newRow("shift fr") << "fr" << shifted << QStringLiteral("W2\u21E5\u00E9");
        QTest::newRow("altgr de") << "de" << "ALTGR+ Q E ALTGR- Q" << QStringLiteral("@\u20ACq");
        QTest::newRow("altgr fr") << "fr" << "ALTGR+ 0 ALTGR-" << QStringLiteral("@");
        QTest::newRow("dead key fr") << "fr" << "[ E [ LSHIFT+ E LSHIFT-" << QStringLiteral("\u00EA\u00CA");
        QTest::newRow("dead keys de") << "de" << "= E ` O" << QStringLiteral("\u00E9\u00F4");
        const QString chords = QStringLiteral("LCTRL+ ALT+ T ALT- LCTRL- WIN_LEFT+ ENTER WIN_LEFT- "
                                              "ALT+ TAB ALT-");
        QTest::newRow("chords us") << "us" << chords << "Ctrl+Alt+T, Super+Return, Alt+Tab";
        QTest::newRow("chord de") << "de" << "LCTRL+ LSHIFT+ Z LSHIFT- LCTRL-" << "Ctrl+Shift+Y";
        QTest::newRow("chord fr") << "fr" << "LCTRL+ Q LCTRL-" << "Ctrl+A";
        QTest::newRow("no character") << "us" << "F5 LSHIFT+ TAB LSHIFT- DELETE WIN_LEFT"
                                      << "F5, Shift+Tab, Delete, Super";
        QTest::newRow("delays summed") << "us" << "A BLANK ~ ~ ~ B ~" << "a\u2423, 1.5 s, b, 0.5 s";
        QTest::newRow("hold shift") << "us" << "LSHIFT+ ~ ~ LSHIFT- A" << "hold Shift, 1 s, a";
        QTest::newRow("hold key") << "de" << "A LSHIFT+ Z+ ~ Z- LSHIFT-" << "a, hold Shift, hold Y, 0.5 s";
        QTest::newRow("unbalanced") << "us" << "LCTRL+ C" << "Ctrl+C, Ctrl stays down";
        QTest::newRow("stray release") << "us" << "A- B" << "b";
        QTest::newRow("empty") << "us" << "" << "";
    }

    void summary()
    {
        QFETCH(QString, layout);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        QVERIFY2(keymap(layout).isValid(), qPrintable(layout));
        const ButtonSummary summary =
            buttonSummary(::script(script), keymap(layout), SummaryLanguage::English);
        QCOMPARE(summary.full, expected);
        QCOMPARE(summary.brief, expected);
    }

    void longScriptCutToOneLine()
    {
        const ButtonContent content = script(QString(QStringLiteral("A ")).repeated(125));
        QCOMPARE(content.length, 250);
        const ButtonSummary summary = buttonSummary(content, keymap("us"), SummaryLanguage::English);
        QCOMPARE(summary.full, QString(125, u'a'));
        QCOMPARE(summary.brief, QString(ShortSummaryLength - 1, u'a') + QChar(0x2026));
    }
};

QTEST_GUILESS_MAIN(TestScriptSummary)
#include "test_scriptsummary.moc"
