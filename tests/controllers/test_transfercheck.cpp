// The questions before a transmit or a save.
#include "config/buttontable.h"
#include "controllers/transfercheck.h"
#include "document/configdocument.h"
#include "support/scriptedprompts.h"
#include "support/tablecontent.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QString SuccessiveText = QStringLiteral(
    "The Button content contains successive delays.\r\n"
    "If the Autorepeat function is active in the computer's keyboard settings,\r\n"
    "it is possible that the previous key action is repeated several times.\r\n"
    "Do you want to continue?");
const QString PossibleErrorText = QStringLiteral(
    "The current configuration of the red marked buttons could lead to errors.\r\n"
    "Do you want to continue?");

// "a+ a- [ ]": press and release of A, a delay pair.
QList<ContentEntry> script(const QString &text)
{
    QList<ContentEntry> entries;
    for (const QString &word : text.split(' ', Qt::SkipEmptyParts)) {
        if (word == "[")
            entries << ContentEntry{ActionDelay, DelayFirstHalf};
        else if (word == "]")
            entries << ContentEntry{ActionDelay, DelaySecondHalf};
        else
            entries << ContentEntry{uint8_t(word.endsWith('+') ? ActionPress : ActionRelease), 0x1E};
    }
    return entries;
}

} // namespace

using Scripts = QMap<int, QString>; // button index to script
using Answers = QList<int>;
using Indexes = QList<int>;

class TestTransferCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questions_data()
    {
        QTest::addColumn<Scripts>("scripts");
        QTest::addColumn<int>("buttonCount");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("asked"); // the texts, in order
        QTest::addColumn<Indexes>("unbalanced");
        QTest::addColumn<bool>("confirmed");
        const Scripts clean{{0, "a+ a-"}, {1, "[ ] a+ a- [ ]"}};
        QTest::newRow("clean: nothing asked") << clean << 23 << Answers{} << QStringList{}
                                              << Indexes{} << true;
        QTest::newRow("successive delays, no")
            << Scripts{{4, "a+ a- [ ] [ ]"}, {5, "a+"}} << 23 << Answers{UserPrompts::No}
            << QStringList{SuccessiveText} << Indexes{} << false;
        QTest::newRow("successive delays, yes") << Scripts{{22, "[ ] [ ]"}} << 23
                                                << Answers{UserPrompts::Yes}
                                                << QStringList{SuccessiveText} << Indexes{} << true;
        QTest::newRow("beyond the count: not seen") << Scripts{{22, "[ ] [ ]"}, {21, "a+"}} << 21
                                                    << Answers{} << QStringList{} << Indexes{} << true;
        QTest::newRow("unbalanced, no")
            << Scripts{{1, "a+ a-"}, {3, "a- a+"}, {8, "a+ a+ a-"}} << 23 << Answers{UserPrompts::No}
            << QStringList{PossibleErrorText} << Indexes{3, 8} << false;
        QTest::newRow("unbalanced, yes") << Scripts{{3, "a- a+"}} << 23 << Answers{UserPrompts::Yes}
                                         << QStringList{PossibleErrorText} << Indexes{3} << true;
        QTest::newRow("both, yes then no")
            << Scripts{{0, "[ ] [ ]"}, {1, "a+"}} << 23 << Answers{UserPrompts::Yes, UserPrompts::No}
            << QStringList{SuccessiveText, PossibleErrorText} << Indexes{1} << false;
    }
    void questions()
    {
        QFETCH(Scripts, scripts);
        QFETCH(int, buttonCount);
        QFETCH(Answers, answers);
        QFETCH(QStringList, asked);
        QFETCH(Indexes, unbalanced);
        QFETCH(bool, confirmed);
        ButtonTable table = makeTable(uint8_t(buttonCount));
        for (auto it = scripts.cbegin(); it != scripts.cend(); ++it)
            setButton(table, it.key(), script(it.value()));
        ConfigDocument document;
        document.takeOverReadout(table, buttonCount);
        ScriptedPrompts prompts;
        for (int a : answers)
            prompts.answer(UserPrompts::Answer(a));
        TransferCheck check(document, prompts);
        QSignalSpy found(&check, &TransferCheck::unbalancedFound);
        QSignalSpy accepted(&check, &TransferCheck::unbalancedAccepted);

        QCOMPARE(check.confirm(), confirmed);
        QCOMPARE(prompts.texts(), asked);
        for (const auto &seen : prompts.asked()) {
            QCOMPARE(seen.title, QString(seen.text == SuccessiveText ? "Attention" : "Possible Error"));
            QCOMPARE(seen.buttons, UserPrompts::Yes | UserPrompts::No);
            QCOMPARE(seen.defaultButton, UserPrompts::No);
        }
        QCOMPARE(found.isEmpty() ? Indexes{} : found.first().first().value<Indexes>(), unbalanced);
        QCOMPARE(accepted.size(), confirmed && !unbalanced.isEmpty() ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestTransferCheck)
#include "test_transfercheck.moc"
