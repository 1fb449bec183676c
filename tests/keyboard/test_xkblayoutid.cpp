#include "keyboard/keynames.h"
#include "keyboard/xkblayoutid.h"

#include <QtTest>

Q_DECLARE_METATYPE(NameTable)

class TestXkbLayoutId : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownLayouts_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("number");
        QTest::addColumn<NameTable>("table");
        const struct {
            const char *layout;
            const char *variant;
            int number;
            NameTable table;
        } rows[] = {
            {"us", "", 0x409, NameTable::English},        {"gb", "", 0x809, NameTable::English},
            {"de", "", 0x407, NameTable::German},         {"de", "nodeadkeys", 0x407, NameTable::German},
            {"ch", "", 0x807, NameTable::German},         {"ch", "de", 0x807, NameTable::German},
            {"ch", "de_nodeadkeys", 0x807, NameTable::German},
            {"fr", "", 0x40C, NameTable::French},         {"fr", "oss", 0x40C, NameTable::French},
            {"be", "", 0x80C, NameTable::French},         {"ch", "fr", 0x100C, NameTable::French},
            {"ch", "fr_nodeadkeys", 0x100C, NameTable::French},
            {"ca", "", 0x1009, NameTable::English},       {"ca", "fr", 0x1009, NameTable::English},
            {"ca", "fr-legacy", 0xC0C, NameTable::French}, {"ca", "fr-dvorak", 0x1009, NameTable::English},
            {"es", "", 0x40A, NameTable::Spanish},        {"latam", "", 0x80A, NameTable::Spanish},
            {"pt", "", 0x816, NameTable::Portuguese},     {"br", "", 0x416, NameTable::Portuguese},
            {"it", "", 0x410, NameTable::English},        {"dk", "", 0x406, NameTable::English},
            {"ru", "", 0x419, NameTable::English},        {"se", "", 0x41D, NameTable::French},
            {"hu", "", 0x40E, NameTable::French},         {"fi", "", 0x40B, NameTable::Spanish},
            {"is", "", 0x40F, NameTable::German},         {"tr", "", 0x41F, NameTable::German},
            {"us", "dvorak", 0x10409, NameTable::English}, {"us", "intl", 0x20409, NameTable::English},
            {"tr", "f", 0x1041F, NameTable::German},
            {"DE", "", 0x407, NameTable::German},          {" fr ", "", 0x40C, NameTable::French},
        };
        for (const auto &row : rows)
            QTest::addRow("%s(%s)", row.layout, row.variant)
                << QString::fromLatin1(row.layout) << QString::fromLatin1(row.variant)
                << row.number << row.table;
    }
    void knownLayouts()
    {
        QFETCH(QString, layout);
        QFETCH(QString, variant);
        QFETCH(int, number);
        QFETCH(NameTable, table);
        const std::optional<int32_t> id = windowsLayoutForXkb(layout, variant);
        QVERIFY(id.has_value());
        QCOMPARE(*id, number);
        QCOMPARE(nameTableFor(*id), table);
    }

    // The variant is often absent: a null or default variant takes the layout's number.
    void layoutWithoutVariant()
    {
        QCOMPARE(windowsLayoutForXkb(u"de"), std::optional<int32_t>(0x407));
        QCOMPARE(windowsLayoutForXkb(QStringLiteral("ch"), QString()), std::optional<int32_t>(0x807));
        QCOMPARE(windowsLayoutForXkb(QStringView(u"fr"), QStringView()), std::optional<int32_t>(0x40C));
    }

    void unknownLayoutsGiveNoNumber()
    {
        QVERIFY(!windowsLayoutForXkb(u"mn"));
        QVERIFY(!windowsLayoutForXkb(u"th", u"tis"));
        QVERIFY(!windowsLayoutForXkb(u""));
        QVERIFY(!windowsLayoutForXkb(u"usa"));
        QVERIFY(!windowsLayoutForXkb(u"d"));
        QVERIFY(!windowsLayoutForXkb(u"pc"));
    }

    void groupBroughtIntoRange_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("groupCount");
        QTest::addColumn<int>("wrap");
        QTest::addColumn<int>("redirect");
        QTest::addColumn<int>("expected");
        const int wrap = int(GroupWrap::Wrap);
        const int clamp = int(GroupWrap::Clamp);
        const int redirect = int(GroupWrap::Redirect);
        QTest::newRow("in range") << 1 << 2 << wrap << 0 << 1;
        QTest::newRow("in range, clamp") << 2 << 4 << clamp << 0 << 2;
        QTest::newRow("wrap") << 1 << 1 << wrap << 0 << 0;
        QTest::newRow("wrap three of two") << 3 << 2 << wrap << 0 << 1;
        QTest::newRow("wrap negative") << -1 << 3 << wrap << 0 << 2;
        QTest::newRow("clamp high") << 3 << 2 << clamp << 0 << 1;
        QTest::newRow("clamp negative") << -1 << 2 << clamp << 0 << 0;
        QTest::newRow("redirect") << 3 << 3 << redirect << 1 << 1;
        QTest::newRow("redirect outside") << 3 << 2 << redirect << 2 << 0;
        QTest::newRow("no groups") << 0 << 0 << wrap << 0 << -1;
    }
    void groupBroughtIntoRange()
    {
        QFETCH(int, group);
        QFETCH(int, groupCount);
        QFETCH(int, wrap);
        QFETCH(int, redirect);
        QFETCH(int, expected);
        QCOMPARE(groupInRange(group, groupCount, GroupWrap(wrap), redirect), expected);
    }

    void layoutOfGroup_data()
    {
        QTest::addColumn<QString>("symbols");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("layout"); // empty: no layout
        QTest::addColumn<QString>("variant");
        const QString twoGroups = QStringLiteral(
            "pc+de(nodeadkeys)+fr(oss):2+inet(evdev)+level3(ralt_switch)+typo(base):1+typo(base):2");
        QTest::newRow("single") << "pc+de+inet(evdev)" << 0 << "de" << "";
        QTest::newRow("single, second group") << "pc+de+inet(evdev)" << 1 << "" << "";
        QTest::newRow("variant") << "pc+ch(fr)+inet(evdev)" << 0 << "ch" << "fr";
        QTest::newRow("first of two") << "pc+us+fr:2+inet(evdev)" << 0 << "us" << "";
        QTest::newRow("second of two") << "pc+us+fr:2+inet(evdev)" << 1 << "fr" << "";
        QTest::newRow("options first group") << twoGroups << 0 << "de" << "nodeadkeys";
        QTest::newRow("options second group") << twoGroups << 1 << "fr" << "oss";
        QTest::newRow("options third group") << twoGroups << 2 << "" << "";
        QTest::newRow("explicit first index") << "pc+us:1+ru:2" << 0 << "us" << "";
        QTest::newRow("fourth group") << "pc+us+de:2+fr:3+es:4" << 3 << "es" << "";
        QTest::newRow("vendor model file") << "macintosh_vndr/apple(alukbd)+de+inet(evdev)" << 0
                                           << "de" << "";
        QTest::newRow("no layout") << "pc+inet(evdev)" << 0 << "" << "";
        QTest::newRow("empty") << "" << 0 << "" << "";
        QTest::newRow("empty parts") << "+++" << 0 << "" << "";
        QTest::newRow("unclosed variant") << "pc+de(nodeadkeys+inet(evdev)" << 0 << "" << "";
        QTest::newRow("bad index") << "pc+us:x+de:2" << 0 << "" << "";
        QTest::newRow("index out of range") << "pc+us+de:5" << 4 << "" << "";
        QTest::newRow("negative group") << "pc+us" << -1 << "" << "";
    }
    void layoutOfGroup()
    {
        QFETCH(QString, symbols);
        QFETCH(int, group);
        QFETCH(QString, layout);
        QFETCH(QString, variant);
        const std::optional<XkbLayout> found = xkbLayoutOfGroup(symbols, group);
        QCOMPARE(found.has_value(), !layout.isEmpty());
        if (found) {
            QCOMPARE(found->layout, layout);
            QCOMPARE(found->variant, variant);
        }
    }
};

QTEST_APPLESS_MAIN(TestXkbLayoutId)
#include "test_xkblayoutid.moc"
