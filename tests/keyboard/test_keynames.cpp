#include "keyboard/keynames.h"

#include <QtTest>

namespace {

const NameTable AllTables[] = {NameTable::English, NameTable::German, NameTable::French,
                               NameTable::Spanish, NameTable::Portuguese};

QString character(char16_t codePoint) { return QString(QChar(codePoint)); }

} // namespace

Q_DECLARE_METATYPE(NameTable)

class TestKeyNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: nothing has set a layout yet in this process.
    void englishBeforeAnyLayoutIsRead()
    {
        QCOMPARE(keyboardLayoutId(), 0);
        QCOMPARE(keyName(0x1A), QStringLiteral("Z"));
        QCOMPARE(keyName(0x5A), QStringLiteral("ENTER"));
    }

    void layoutNameSelectsTable_data()
    {
        QTest::addColumn<QString>("layoutName");
        QTest::addColumn<int>("number");
        QTest::addColumn<NameTable>("table");
        const struct {
            const char *name;
            int number;
            NameTable table;
        } rows[] = {
            {"00000409", 0x409, NameTable::English},   {"00000809", 0x809, NameTable::English},
            {"00010409", 0x10409, NameTable::English}, {"00020409", 0x20409, NameTable::English},
            {"00000407", 0x407, NameTable::German},    {"00000807", 0x807, NameTable::German},
            {"00010407", 0x10407, NameTable::German},  {"0000040C", 0x40C, NameTable::French},
            {"0000080C", 0x80C, NameTable::French},    {"0000100C", 0x100C, NameTable::French},
            {"00000C0C", 0xC0C, NameTable::French},    {"0000040A", 0x40A, NameTable::Spanish},
            {"0000080A", 0x80A, NameTable::Spanish},   {"00000416", 0x416, NameTable::Portuguese},
            {"00010416", 0x10416, NameTable::Portuguese}, {"00000816", 0x816, NameTable::Portuguese},
            {"00000410", 0x410, NameTable::English},   {"00000406", 0x406, NameTable::English},
            {"00000419", 0x419, NameTable::English},   {"00001009", 0x1009, NameTable::English},
            {"0000041D", 0x41D, NameTable::French},    {"0000040E", 0x40E, NameTable::French},
            {"0000040B", 0x40B, NameTable::Spanish},   {"0000040F", 0x40F, NameTable::German},
            {"0000041F", 0x41F, NameTable::German},    {"E0010411", 0, NameTable::English},
            {"0000040c", 0x40C, NameTable::French},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.number << row.table;
    }
    void layoutNameSelectsTable()
    {
        QFETCH(QString, layoutName);
        QFETCH(int, number);
        QFETCH(NameTable, table);

        const int32_t id = layoutIdFromName(layoutName);
        QCOMPARE(id, number);
        QCOMPARE(nameTableFor(id), table);
        // keyName uses the table of the stored number: 0x4C differs in every table.
        setKeyboardLayoutId(id);
        QCOMPARE(keyName(0x4C), keyNameIn(table, 0x4C));
        setKeyboardLayoutId(0);
    }

    void layoutNameThatIsNoNumberGivesZero_data()
    {
        QTest::addColumn<QString>("layoutName");
        QTest::addColumn<int>("number");
        QTest::newRow("largest signed") << QStringLiteral("7FFFFFFF") << 0x7FFFFFFF;
        QTest::newRow("one above") << QStringLiteral("80000000") << 0;
        QTest::newRow("all ones") << QStringLiteral("FFFFFFFF") << 0;
        QTest::newRow("nine digits") << QStringLiteral("100000000") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("not hex") << QStringLiteral("0000040G") << 0;
        QTest::newRow("sign") << QStringLiteral("-0000001") << 0;
        QTest::newRow("prefix") << QStringLiteral("0x000407") << 0;
        QTest::newRow("blank") << QStringLiteral(" 0000407") << 0;
        QTest::newRow("short name, zero filled") << QString::fromLatin1("407\0\0\0\0\0", 8) << 0;
    }
    void layoutNameThatIsNoNumberGivesZero()
    {
        QFETCH(QString, layoutName);
        QFETCH(int, number);
        QCOMPARE(layoutIdFromName(layoutName), number);
    }

    // Every cell of the five tables, against the names transcribed into the
    // data file: a code without a line there is "ERROR" in every table.
    void everyNameOfEveryTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("names");
        QFile file(QStringLiteral(QM47_KEYNAMES_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<int, QStringList> named;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            QStringList cells = line.split(u'\t');
            QCOMPARE(cells.size(), 6);
            bool ok = false;
            const int code = cells.takeFirst().toInt(&ok, 0);
            QVERIFY(ok && !named.contains(code));
            for (QString &cell : cells)
                if (cell.startsWith(u"U+"))
                    cell = QString(QChar(cell.mid(2).toUShort(&ok, 16)));
            named.insert(code, cells);
        }
        QCOMPARE(named.size(), 106);
        for (int code = 0; code < 256; ++code)
            QTest::addRow("0x%02X", code) << code << named.value(code, QStringList(5, "ERROR"));
    }
    void everyNameOfEveryTable()
    {
        QFETCH(int, code);
        QFETCH(QStringList, names);
        for (int t = 0; t < 5; ++t)
            QCOMPARE(keyNameIn(AllTables[t], KeyCode(code)), names.at(t));
    }

    void keyNameFollowsStoredLayout()
    {
        setKeyboardLayoutId(layoutIdFromName(u"00000407"));
        QCOMPARE(keyName(0x1A), QStringLiteral("Y"));
        QCOMPARE(keyName(0x35), QStringLiteral("Z"));
        QCOMPARE(keyName(0x4E), character(0xDF));
        setKeyboardLayoutId(layoutIdFromName(u"0000041D"));
        QCOMPARE(keyName(0x15), QStringLiteral("A"));
        setKeyboardLayoutId(layoutIdFromName(u"0000040B"));
        QCOMPARE(keyName(0x4C), character(0xD1));
        setKeyboardLayoutId(layoutIdFromName(u"0000040F"));
        QCOMPARE(keyName(0x4C), character(0xD6));
        setKeyboardLayoutId(layoutIdFromName(u"E0010411"));
        QCOMPARE(keyName(0x1A), QStringLiteral("Z"));
        QCOMPARE(keyName(0xFF), QStringLiteral("ERROR"));
        setKeyboardLayoutId(0);
    }
};

QTEST_APPLESS_MAIN(TestKeyNames)
#include "test_keynames.moc"
