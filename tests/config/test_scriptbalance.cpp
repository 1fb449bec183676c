#include "config/scriptbalance.h"
#include "scripttext.h"

#include <QtTest>

using scripttext::script;

class TestScriptBalance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonCheck_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("balanced");

        QTest::newRow("empty") << "" << true;
        QTest::newRow("key stroke") << "a+ a-" << true;
        QTest::newRow("shift combination") << "s+ a+ a- s-" << true;
        QTest::newRow("interleaved keys") << "a+ b+ a- b-" << true;
        QTest::newRow("key pressed twice") << "a+ a- a+ a-" << true;
        QTest::newRow("delay only") << "[ ]" << true;
        QTest::newRow("two delays") << "[ ] [ ]" << true;
        QTest::newRow("delay between strokes") << "a+ a- [ ] b+ b-" << true;
        QTest::newRow("delay inside a combination") << "s+ [ ] s-" << true;
        QTest::newRow("delay halves reversed") << "] [" << true;
        QTest::newRow("second press before release") << "a+ a+ a- a-" << false;
        QTest::newRow("starts with release") << "a- a+" << false;
        QTest::newRow("starts with release, balanced later") << "a- a+ a+ a-" << false;
        QTest::newRow("release before press of another key") << "a+ b- b+ a-" << false;
        QTest::newRow("press never released") << "a+ b+ b- c+ c-" << false; // odd
        QTest::newRow("press never released, even") << "a+ b+ b- [" << false;
        QTest::newRow("release never pressed") << "b+ b- a- [" << false;
        QTest::newRow("odd: single press") << "a+" << false;
        QTest::newRow("odd: single delay half") << "[" << false;
        QTest::newRow("odd: stroke and delay half") << "a+ a- ]" << false;
        QTest::newRow("odd: three halves") << "[ ] [" << false;
        // An unknown action with the same key directly beside counts as a match...
        QTest::newRow("other action right behind a press") << "a+ 5:64" << true;
        QTest::newRow("other action right before a release") << "5:64 a-" << true;
        // ...but not when something stands between them.
        QTest::newRow("other action later behind a press") << "a+ b+ 5:64 b-" << false;
        QTest::newRow("other action earlier before a release") << "5:64 b+ b- a-" << false;
        QTest::newRow("press followed by other action then release")
            << "a+ 9:64 a- b+ b- 7:1" << true;
    }

    void buttonCheck()
    {
        QFETCH(QString, content);
        QFETCH(bool, balanced);
        ButtonContent c = script(content);
        QCOMPARE(contentBalanced(c), balanced);

        // The running verdict lands in the faulty flag, whatever it held.
        c.faulty = balanced ? 1 : 0;
        QCOMPARE(checkContent(c), balanced);
        QCOMPARE(c.faulty, uint8_t(balanced ? 0 : 1));
        // Judging again gives the same verdict.
        QCOMPARE(checkContent(c), balanced);
        QCOMPARE(c.faulty, uint8_t(balanced ? 0 : 1));
    }

    // Entries behind the length take no part in the check.
    void checkReadsOnlyTheLength()
    {
        ButtonContent c = script("a+ a- a+");
        c.length = 2;
        QVERIFY(contentBalanced(c));
        c.length = 3;
        QVERIFY(!contentBalanced(c));
    }

    void rowColours_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("unmatched"); // one flag per row: 1 = red

        QTest::newRow("combination") << "s+ a+ a- s-" << "0000";
        QTest::newRow("press twice") << "a+ a+ a-" << "100";
        QTest::newRow("lone release") << "a-" << "1";
        QTest::newRow("lone press") << "a+" << "1";
        QTest::newRow("release twice") << "a+ a- a-" << "001";
        QTest::newRow("release before press") << "a- a+" << "11";
        QTest::newRow("delays are not judged") << "[ ]" << "00";
        // Only key bytes are compared: an unknown action in between hides the match.
        QTest::newRow("other action between") << "a+ 5:64 a-" << "101";
        // A press of key code 2 finds the delay's first half, not its release.
        QTest::newRow("key 2 before a delay") << "2:2 250:2 250:3 3:2" << "1001";
    }

    void rowColours()
    {
        QFETCH(QString, content);
        QFETCH(QString, unmatched);
        const ButtonContent c = script(content);
        QString got;
        for (int row = 0; row < c.length; ++row) {
            const ContentEntry &e = c.entries[row];
            bool red = false;
            if (e.action == ActionPress)
                red = pressUnmatched(c, row);
            else if (e.action == ActionRelease)
                red = releaseUnmatched(c, row);
            got += red ? '1' : '0';
        }
        QCOMPARE(got, unmatched);
    }

    void rowRulesOutsideTheScript()
    {
        const ButtonContent c = script("a+ a-");
        QVERIFY(!pressUnmatched(c, -1));
        QVERIFY(!pressUnmatched(c, 2));
        QVERIFY(!releaseUnmatched(c, 2));
        QVERIFY(!releaseUnmatched(c, 255));
    }

    void successiveDelays_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("successive");

        QTest::newRow("empty") << "" << false;
        QTest::newRow("one delay") << "[ ]" << false;
        QTest::newRow("two delays") << "[ ] [ ]" << true;
        QTest::newRow("two delays after a stroke") << "a+ a- [ ] [ ]" << true;
        QTest::newRow("delay, stroke, delay") << "[ ] a+ a- [ ]" << false;
        QTest::newRow("delay, press, delay") << "[ ] a+ [ ] a-" << false;
        QTest::newRow("nested delays") << "[ [ ] ]" << false;
        QTest::newRow("first halves two apart, no room behind") << "[ ] [" << true;
        QTest::newRow("raw first halves") << "250:2 7:7 250:2" << true;
    }

    void successiveDelays()
    {
        QFETCH(QString, content);
        QFETCH(bool, successive);
        QCOMPARE(hasSuccessiveDelays(script(content)), successive);
    }

    void successiveDelaysStopAtTheLength()
    {
        ButtonContent c = script("[ ] [ ]");
        c.length = 2;
        QVERIFY(!hasSuccessiveDelays(c));
    }
};

QTEST_APPLESS_MAIN(TestScriptBalance)
#include "test_scriptbalance.moc"
