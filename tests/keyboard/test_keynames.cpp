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

    void codesWithoutEntryAreErrorInEveryTable()
    {
        const KeyCode missing[] = {0x00, 0x06, 0x09, 0x5C, 0x8E, 0xF9, 0xFB, 0xFF};
        for (NameTable table : AllTables) {
            for (KeyCode code : missing)
                QCOMPARE(keyNameIn(table, code), QStringLiteral("ERROR"));
            QCOMPARE(keyNameIn(table, 0xFA), QStringLiteral("DELAY"));
        }
    }

    // Every table names the same 106 codes, 78 of them alike in all tables.
    void tablesShareTheirCodesAndCommonNames()
    {
        int named = 0;
        int alike = 0;
        for (int code = 0; code < 256; ++code) {
            const QString english = keyNameIn(NameTable::English, KeyCode(code));
            bool same = true;
            for (NameTable table : AllTables) {
                const QString name = keyNameIn(table, KeyCode(code));
                QVERIFY2((name == QLatin1String("ERROR")) == (english == QLatin1String("ERROR")),
                         qPrintable(QString::number(code, 16)));
                QVERIFY(!name.isEmpty());
                same = same && name == english;
            }
            if (english != QLatin1String("ERROR")) {
                ++named;
                alike += same ? 1 : 0;
            }
        }
        QCOMPARE(named, 106);
        QCOMPARE(alike, 78);
    }

    void commonNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("F1") << 0x07 << "F1";
        QTest::newRow("ESC") << 0x08 << "ESC";
        QTest::newRow("LSHIFT") << 0x12 << "LSHIFT";
        QTest::newRow("BLANK") << 0x29 << "BLANK";
        QTest::newRow("ALTGR") << 0x39 << "ALTGR";
        QTest::newRow("SCROLLLOCK") << 0x5F << "SCROLLLOCK";
        QTest::newRow("NUM_COMMA") << 0x71 << "NUM_COMMA";
        QTest::newRow("NUM_ENTER") << 0x79 << "NUM_ENTER";
        QTest::newRow("NUM_MINUS") << 0x84 << "NUM_MINUS";
        QTest::newRow("WIN_LEFT") << 0x8B << "WIN_LEFT";
        QTest::newRow("WIN_APP") << 0x8D << "WIN_APP";
    }
    void commonNames()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        for (NameTable table : AllTables)
            QCOMPARE(keyNameIn(table, KeyCode(code)), name);
    }

    void layoutDependentNames_data()
    {
        QTest::addColumn<NameTable>("table");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("en grave") << NameTable::English << 0x0E << character(0x60);
        QTest::newRow("en 0x13 backslash") << NameTable::English << 0x13 << character(0x5C);
        QTest::newRow("en 0x53 backslash") << NameTable::English << 0x53 << character(0x5C);
        QTest::newRow("en apostrophe") << NameTable::English << 0x52 << character(0x27);
        QTest::newRow("en slash") << NameTable::English << 0x4A << "/";
        QTest::newRow("de Y") << NameTable::German << 0x1A << "Y";
        QTest::newRow("de Z") << NameTable::German << 0x35 << "Z";
        QTest::newRow("de sharp s") << NameTable::German << 0x4E << character(0xDF);
        QTest::newRow("de umlaut U") << NameTable::German << 0x54 << character(0xDC);
        QTest::newRow("de grave") << NameTable::German << 0x55 << character(0x60);
        QTest::newRow("fr A") << NameTable::French << 0x15 << "A";
        QTest::newRow("fr squared") << NameTable::French << 0x0E << character(0xB2);
        QTest::newRow("fr quote") << NameTable::French << 0x26 << character(0x22);
        QTest::newRow("fr e acute") << NameTable::French << 0x1E << character(0xE9);
        QTest::newRow("fr u grave") << NameTable::French << 0x52 << character(0xF9);
        QTest::newRow("fr circumflex") << NameTable::French << 0x54 << character(0x0302);
        QTest::newRow("es ordinal") << NameTable::Spanish << 0x0E << character(0xBA);
        QTest::newRow("es N tilde") << NameTable::Spanish << 0x4C << character(0xD1);
        QTest::newRow("es acute") << NameTable::Spanish << 0x52 << character(0x0301);
        QTest::newRow("es grave") << NameTable::Spanish << 0x54 << character(0x0300);
        QTest::newRow("es inverted !") << NameTable::Spanish << 0x55 << character(0xA1);
        QTest::newRow("pt backslash") << NameTable::Portuguese << 0x0E << character(0x5C);
        QTest::newRow("pt C cedilla") << NameTable::Portuguese << 0x4C << character(0xC7);
        QTest::newRow("pt tilde") << NameTable::Portuguese << 0x53 << character(0x0303);
        QTest::newRow("pt guillemet") << NameTable::Portuguese << 0x55 << character(0xAB);
        QTest::newRow("pt acute") << NameTable::Portuguese << 0x5B << character(0x0301);
    }
    void layoutDependentNames()
    {
        QFETCH(NameTable, table);
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(keyNameIn(table, KeyCode(code)), name);
    }

    // A dead key is named by the accent alone, one character long.
    void frenchCircumflexIsTheCombiningAccent()
    {
        const QString name = keyNameIn(NameTable::French, 0x54);
        QCOMPARE(name.size(), 1);
        QCOMPARE(name.at(0).unicode(), char16_t(0x0302));
        QVERIFY(name != QLatin1String("^"));
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
