#include "config/buttontable.h"

#include <QtTest>

class TestButtonTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Whatever index, count or length a device or file supplies, every access
    // through the 8-bit fields stays inside the allocation.
    void everyEightBitIndexAndLengthIsAllocated()
    {
        ButtonTable table;
        table.buttonCount = 255;
        table.maxEntries = 255;
        for (int i = 0; i < 256; ++i) {
            ButtonContent &c = table.content(uint8_t(i));
            QCOMPARE(int(c.entries.size()), ButtonContent::Capacity);
            c.length = 255;
            c.entries[c.length - 1] = ContentEntry{3, uint8_t(i)};
        }
        QCOMPARE(table.content(254).entries[254].key, uint8_t(254));
    }

    void buildTableEmptiesEverythingButKeepsTheLimits()
    {
        ButtonTable table;
        table.maxEntries = 100;
        table.content(7).length = 4;
        table.content(7).faulty = 1;
        table.content(200).length = 9;
        table.buildTable();
        for (int i = 0; i < 256; ++i) {
            QCOMPARE(int(table.content(uint8_t(i)).length), 0);
            QCOMPARE(int(table.content(uint8_t(i)).faulty), 0);
        }
        QCOMPARE(int(table.maxEntries), 100);
    }
};

QTEST_APPLESS_MAIN(TestButtonTable)
#include "test_buttontable.moc"
