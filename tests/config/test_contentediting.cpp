#include "config/contentediting.h"
#include "scripttext.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using scripttext::script;
using scripttext::text;

namespace {

// The plain rule for scripts whose delay halves stand in pairs: swap, or
// rotate over the pair. Reports through `outside` when it would leave the list.
int plainMoveStep(ButtonContent &c, int row, int d, bool &outside)
{
    const int near = row + d;
    const int far = row + 2 * d;
    if (near < 0 || near >= c.length) {
        outside = true;
        return 0;
    }
    if (c.entries[near].action == ActionDelay) {
        if (far < 0 || far >= c.length) {
            outside = true;
            return 0;
        }
        const ContentEntry moved = c.entries[row];
        c.entries[row] = c.entries[near];
        c.entries[near] = c.entries[far];
        c.entries[far] = moved;
        return 2;
    }
    std::swap(c.entries[row], c.entries[near]);
    return 1;
}

// Moves a selected block the way the commands do and returns the new rows.
template <typename Step>
QList<int> moveBlock(ButtonContent &c, const QList<int> &rows, int d, Step step)
{
    QList<int> steps(rows.size());
    if (d < 0)
        for (int i = 0; i < rows.size(); ++i)
            steps[i] = step(c, rows[i], d);
    else
        for (int i = int(rows.size()) - 1; i >= 0; --i)
            steps[i] = step(c, rows[i], d);
    QList<int> result;
    for (int i = 0; i < rows.size(); ++i)
        result << rows[i] + d * steps[i];
    std::sort(result.begin(), result.end());
    return result;
}

QList<ContentEntry> sortedEntries(const ButtonContent &c)
{
    QList<ContentEntry> list(c.entries.begin(), c.entries.begin() + c.length);
    std::sort(list.begin(), list.end(), [](const ContentEntry &a, const ContentEntry &b) {
        return a.action != b.action ? a.action < b.action : a.key < b.key;
    });
    return list;
}

} // namespace

class TestContentEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moveStepCases_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("after");

        QTest::newRow("swap up") << "a+ b+ c+" << 1 << -1 << 1 << "b+ a+ c+";
        QTest::newRow("swap down") << "a+ b+ c+" << 1 << 1 << 1 << "a+ c+ b+";
        QTest::newRow("jump up over a delay") << "a+ [ ] b+" << 3 << -1 << 2 << "a+ b+ [ ]";
        QTest::newRow("jump down over a delay") << "a+ [ ] b+" << 0 << 1 << 2 << "[ ] a+ b+";
        QTest::newRow("delay half swaps with a key") << "a+ [ ]" << 1 << -1 << 1 << "[ a+ ]";
        QTest::newRow("top row cannot go up") << "a+ b+" << 0 << -1 << 0 << "a+ b+";
        QTest::newRow("last row cannot go down") << "a+ b+" << 1 << 1 << 0 << "a+ b+";
        QTest::newRow("row outside") << "a+ b+" << 2 << -1 << 0 << "a+ b+";
        QTest::newRow("negative row") << "a+ b+" << -1 << 1 << 0 << "a+ b+";
        QTest::newRow("no direction") << "a+ b+" << 0 << 0 << 0 << "a+ b+";
        QTest::newRow("two steps is no direction") << "a+ b+ c+" << 0 << 2 << 0 << "a+ b+ c+";
        // Scripts with a lone delay half: the rotation would leave the list, so
        // the entry only swaps with its neighbour.
        QTest::newRow("lone half at the top") << "] a+" << 1 << -1 << 1 << "a+ ]";
        QTest::newRow("lone half at the bottom") << "a+ [" << 0 << 1 << 1 << "[ a+";
        // The entry beyond a lone half is no delay: swap, do not carry it along.
        QTest::newRow("lone half inside, up") << "a+ b+ ] c+" << 3 << -1 << 1 << "a+ b+ c+ ]";
        QTest::newRow("lone half inside, down") << "a+ [ b+" << 0 << 1 << 1 << "[ a+ b+";
    }

    void moveStepCases()
    {
        QFETCH(QString, content);
        QFETCH(int, row);
        QFETCH(int, direction);
        QFETCH(int, step);
        QFETCH(QString, after);
        ButtonContent c = script(content);
        QCOMPARE(moveStep(c, row, direction), step);
        QCOMPARE(text(c), after);
    }

    // Scripts built from whole delay pairs and single key entries: every block
    // move gives the same script and selection as the plain rotation rule, and
    // that rule never needs a row outside the list.
    void wellFormedBlocksMoveByThePlainRule()
    {
        QRandomGenerator random(4711);
        const char *keys[] = {"a+", "a-", "b+", "b-", "c+"};
        for (int round = 0; round < 3000; ++round) {
            QStringList tokens;
            const int units = random.bounded(1, 8);
            for (int u = 0; u < units; ++u) {
                if (random.bounded(3) == 0)
                    tokens << "[" << "]";
                else
                    tokens << keys[random.bounded(5)];
            }
            const ButtonContent start = script(tokens.join(' '));
            QList<int> rows;
            for (int r = 0; r < start.length; ++r)
                if (random.bounded(3) == 0)
                    rows << r;
            for (int r : QList<int>(rows)) {
                const int partner = delayPartnerRow(start, r);
                if (partner >= 0 && !rows.contains(partner))
                    rows << partner;
            }
            std::sort(rows.begin(), rows.end());
            if (rows.isEmpty())
                continue;

            for (int d : {-1, 1}) {
                if ((d < 0 && rows.first() == 0) || (d > 0 && rows.last() >= start.length - 1))
                    continue;
                ButtonContent ours = start;
                ButtonContent plain = start;
                bool outside = false;
                const QList<int> ourRows = moveBlock(ours, rows, d, moveStep);
                const QList<int> plainRows = moveBlock(plain, rows, d,
                    [&](ButtonContent &c, int row, int dir) {
                        return plainMoveStep(c, row, dir, outside);
                    });
                QVERIFY2(!outside, qPrintable(text(start)));
                QCOMPARE(text(ours), text(plain));
                QCOMPARE(ourRows, plainRows);
            }
        }
    }

    // Any script, also with lone halves and unknown actions: moving only
    // rearranges the entries inside the length and touches nothing behind it.
    void anyScriptMovesOnlyWithinTheList()
    {
        QRandomGenerator random(815);
        const char *tokens[] = {"a+", "a-", "b+", "[", "]", "7:1", "250:9"};
        for (int round = 0; round < 3000; ++round) {
            QStringList parts;
            const int n = random.bounded(0, 10);
            for (int i = 0; i < n; ++i)
                parts << tokens[random.bounded(7)];
            ButtonContent c = script(parts.join(' '));
            for (int i = c.length; i < c.length + 3; ++i)
                c.entries[i] = {99, 99};
            const auto before = sortedEntries(c);
            for (int moves = 0; moves < 6; ++moves) {
                const int row = random.bounded(-1, n + 2);
                const int d = random.bounded(2) ? 1 : -1;
                const int step = moveStep(c, row, d);
                const bool neighbourInside = row >= 0 && row < n && row + d >= 0 && row + d < n;
                QVERIFY(step >= 0 && step <= 2);
                QCOMPARE(step != 0, neighbourInside);
            }
            QCOMPARE(c.length, uint8_t(n));
            QVERIFY(sortedEntries(c) == before);
            for (int i = n; i < n + 3; ++i)
                QCOMPARE(c.entries[i], (ContentEntry{99, 99}));
        }
    }

    void blockMoves_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QList<int>>("moved");
        QTest::newRow("block up over one entry")
            << "a+ b+ c+ d+" << QList<int>{2, 3} << int(MoveUp) << "a+ c+ d+ b+" << QList<int>{1, 2};
        QTest::newRow("block down over one entry")
            << "a+ b+ c+ d+" << QList<int>{0, 1} << int(MoveDown) << "c+ a+ b+ d+" << QList<int>{1, 2};
        QTest::newRow("entry up over a delay pair")
            << "a+ [ ] a-" << QList<int>{3} << int(MoveUp) << "a+ a- [ ]" << QList<int>{1};
        QTest::newRow("delay pair down over an entry")
            << "[ ] a+ a-" << QList<int>{0, 1} << int(MoveDown) << "a+ [ ] a-" << QList<int>{1, 2};
        QTest::newRow("lower pair up over the upper pair")
            << "[ ] [ ]" << QList<int>{2, 3} << int(MoveUp) << "[ ] [ ]" << QList<int>{0, 1};
        QTest::newRow("scattered rows up") << "a+ b+ c+ d+ e+" << QList<int>{1, 3} << int(MoveUp)
                                           << "b+ a+ d+ c+ e+" << QList<int>{0, 2};
        QTest::newRow("at the top: nothing moves")
            << "a+ b+ c+" << QList<int>{0, 2} << int(MoveUp) << "a+ b+ c+" << QList<int>{};
        QTest::newRow("at the bottom: nothing moves")
            << "a+ b+ c+" << QList<int>{2} << int(MoveDown) << "a+ b+ c+" << QList<int>{};
        QTest::newRow("nothing selected") << "a+ b+" << QList<int>{} << int(MoveDown) << "a+ b+"
                                          << QList<int>{};
    }
    void blockMoves()
    {
        QFETCH(QString, before);
        QFETCH(QList<int>, rows);
        QFETCH(int, direction);
        QFETCH(QString, after);
        QFETCH(QList<int>, moved);
        ButtonContent c = script(before);
        QCOMPARE(moveBlock(c, rows, MoveDirection(direction)), moved);
        QCOMPARE(text(c), after);
    }

    void delayPartner_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("partner");

        QTest::newRow("first half") << "a+ [ ] a-" << 1 << 2;
        QTest::newRow("second half") << "a+ [ ] a-" << 2 << 1;
        QTest::newRow("key entry") << "a+ [ ] a-" << 0 << -1;
        QTest::newRow("row outside") << "[ ]" << 2 << -1;
        QTest::newRow("lone second half at the top") << "] a+" << 0 << -1;
        QTest::newRow("lone first half at the bottom") << "a+ [" << 1 << -1;
        QTest::newRow("half beside a key entry") << "a+ ] a-" << 1 << -1;
        QTest::newRow("nested halves") << "[ [ ] ]" << 1 << 2;
        QTest::newRow("other delay key looks up") << "[ 250:9" << 1 << 0;
    }

    void delayPartner()
    {
        QFETCH(QString, content);
        QFETCH(int, row);
        QFETCH(int, partner);
        QCOMPARE(delayPartnerRow(script(content), row), partner);
    }

    void trailingUnit_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("count");

        QTest::newRow("empty") << "" << 0;
        QTest::newRow("key entry") << "a+ a-" << 1;
        QTest::newRow("trailing delay") << "a+ a- [ ]" << 2;
        QTest::newRow("delay only") << "[ ]" << 2;
        QTest::newRow("nested delays") << "[ [ ] ]" << 2;
        QTest::newRow("lone half alone") << "]" << 1;
        QTest::newRow("lone second half after a key") << "a+ ]" << 1;
        QTest::newRow("first half at the end") << "[ ] [" << 1;
    }

    void trailingUnit()
    {
        QFETCH(QString, content);
        QFETCH(int, count);
        QCOMPARE(trailingUnitLength(script(content)), count);
    }

    void delayRoom_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<bool>("room");

        QTest::newRow("248 of 250") << 248 << 250 << true;
        QTest::newRow("249 of 250") << 249 << 250 << false;
        QTest::newRow("250 of 250") << 250 << 250 << false;
        QTest::newRow("empty, max 2") << 0 << 2 << true;
        QTest::newRow("empty, max 1") << 0 << 1 << false;
        QTest::newRow("empty, max 0") << 0 << 0 << false;
        QTest::newRow("253 of 255") << 253 << 255 << true;
        QTest::newRow("254 of 255") << 254 << 255 << false;
        QTest::newRow("max beyond the buffer") << 254 << 1000 << false;
    }

    void delayRoom()
    {
        QFETCH(int, length);
        QFETCH(int, maxEntries);
        QFETCH(bool, room);
        ButtonContent c;
        c.length = uint8_t(length);
        QCOMPARE(roomForDelay(c, maxEntries), room);
    }

    void rowAfterDeleting()
    {
        QCOMPARE(rowAfterDelete({3, 4, 5}), 2);
        QCOMPARE(rowAfterDelete({0, 1}), -1);
        QCOMPARE(rowAfterDelete({0}), -1);
        QCOMPARE(rowAfterDelete({2, 7}), 5);
        QCOMPARE(rowAfterDelete({}), -1);
    }
};

QTEST_APPLESS_MAIN(TestContentEditing)
#include "test_contentediting.moc"
