#include "config/buttontable.h"
#include "support/countingobserver.h"

#include <QtTest>

namespace {

QString dump(const ButtonContent &c)
{
    QStringList parts;
    for (int i = 0; i < c.length; ++i)
        parts << QString("%1:%2").arg(c.entries[i].action).arg(c.entries[i].key);
    return parts.join(' ');
}

} // namespace

class TestButtonTable : public QObject
{
    Q_OBJECT

    ButtonTable table;
    CountingObserver observer;

    void fill(std::initializer_list<ContentEntry> entries)
    {
        ButtonContent &c = *table.activeContent();
        c.length = 0;
        for (const ContentEntry &e : entries)
            c.entries[c.length++] = e;
    }

private Q_SLOTS:
    void init()
    {
        table = ButtonTable();
        observer = CountingObserver();
        table.setObserver(&observer);
        table.buildTable();
        table.selectedButton = 0;
    }

    void insertOnEmptyButtonAppends()
    {
        QVERIFY(table.insertEntryAfter(0, ActionPress, 0x1C));
        QCOMPARE(dump(*table.activeContent()), QString("2:28"));
        QCOMPARE(observer.begins, 1);
        QCOMPARE(observer.ends, 1);
    }

    void insertAfterRowZeroNeverAtZero()
    {
        fill({{2, 1}, {3, 1}});
        table.insertEntryAfter(0, 2, 9);
        QCOMPARE(dump(*table.activeContent()), QString("2:1 2:9 3:1"));
    }

    void insertAfterLastOrAtLengthBothAppend()
    {
        fill({{2, 1}, {3, 1}});
        table.insertEntryAfter(1, 2, 7);
        table.insertEntryAfter(3, 3, 7);
        QCOMPARE(dump(*table.activeContent()), QString("2:1 3:1 2:7 3:7"));
    }

    void delayPairBehindRow()
    {
        fill({{2, 1}, {2, 2}, {3, 2}, {3, 1}});
        table.insertEntryAfter(1, ActionDelay, DelayFirstHalf);
        table.insertEntryAfter(2, ActionDelay, DelaySecondHalf);
        QCOMPARE(dump(*table.activeContent()), QString("2:1 2:2 250:2 250:3 3:2 3:1"));
    }

    void removeMovesLaterEntriesDown()
    {
        fill({{2, 1}, {2, 2}, {3, 2}, {3, 1}});
        QVERIFY(table.removeEntry(1));
        QCOMPARE(dump(*table.activeContent()), QString("2:1 3:2 3:1"));
        QVERIFY(table.removeEntry(2));
        QCOMPARE(dump(*table.activeContent()), QString("2:1 3:2"));
        QVERIFY(table.removeEntry(0));
        QVERIFY(table.removeEntry(0));
        QCOMPARE(table.activeContent()->length, uint8_t(0));
    }

    void primitivesRefuseWhatLiesOutside()
    {
        fill({{2, 1}, {3, 1}});
        observer = CountingObserver();
        QVERIFY(!table.insertEntryAfter(3, 2, 2));  // beyond length
        QVERIFY(!table.insertEntryAfter(-1, 2, 2));
        QVERIFY(!table.removeEntry(2));
        QVERIFY(!table.removeEntry(-1));
        QCOMPARE(dump(*table.activeContent()), QString("2:1 3:1"));
        QCOMPARE(observer.begins, 0);

        table.selectedButton = NoButton;
        QVERIFY(!table.insertEntryAfter(0, 2, 2));
        QVERIFY(!table.removeEntry(0));
        QVERIFY(!table.activeContent());
    }

    void fullBufferRefusesInsert()
    {
        ButtonContent &c = *table.activeContent();
        for (int i = 0; i < ButtonContent::Capacity; ++i)
            QVERIFY(table.insertEntryAfter(c.length, 2, uint8_t(i)));
        QCOMPARE(int(c.length), 255);
        QVERIFY(!table.insertEntryAfter(c.length, 2, 0));
        QVERIFY(!table.insertEntryAfter(10, 2, 0));
        QCOMPARE(int(c.length), 255);
        QCOMPARE(c.entries[254].key, uint8_t(254));
    }

    // Whatever index, count or length a device or file supplies, every access
    // through the 8-bit fields stays inside the allocation.
    void everyEightBitIndexAndLengthIsAllocated()
    {
        table.buttonCount = 255;
        table.maxEntries = 255;
        for (int i = 0; i < 256; ++i) {
            ButtonContent &c = table.content(uint8_t(i));
            QCOMPARE(int(c.entries.size()), ButtonContent::Capacity);
            c.length = 255;
            c.entries[c.length - 1] = ContentEntry{3, uint8_t(i)};
        }
        table.selectedButton = 254;
        QVERIFY(table.removeEntry(254));
        QCOMPARE(int(table.content(254).length), 254);
    }

    void buildTableEmptiesEverythingButKeepsSelectionAndFlags()
    {
        fill({{2, 1}, {3, 1}});
        table.content(7).length = 4;
        table.content(7).faulty = 1;
        table.content(200).length = 9;
        table.maxReached = 1;
        table.selectedButton = 7;
        table.buildTable();
        for (int i = 0; i < 256; ++i) {
            QCOMPARE(int(table.content(uint8_t(i)).length), 0);
            QCOMPARE(int(table.content(uint8_t(i)).faulty), 0);
        }
        QCOMPARE(table.selectedButton, uint8_t(7));
        QCOMPARE(table.maxReached, uint8_t(1));
    }
};

QTEST_APPLESS_MAIN(TestButtonTable)
#include "test_buttontable.moc"
