// The text form of configuration files: key words, writing, reading, errors,
// and that every accepted file survives the trip to text and back.
#include "config/buttontable.h"
#include "file/tkftext.h"
#include "support/tablecontent.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

#include <functional>

namespace {

using Entries = QList<ContentEntry>;

// Spreads entries over the buttons from button 0 on, `perButton` each.
ButtonTable spread(const Entries &all, int perButton)
{
    ButtonTable t = makeTable(23, 250);
    for (int i = 0; i * perButton < all.size(); ++i)
        setButton(t, i, all.mid(i * perButton, perButton));
    return t;
}

using TableMaker = std::function<ButtonTable()>;

} // namespace

Q_DECLARE_METATYPE(TableMaker)

class TestTkfText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCodeHasOneWordThatReadsBack()
    {
        QSet<QString> words;
        for (int code = 0; code < 256; ++code) {
            const QString word = textKeyName(KeyCode(code));
            QVERIFY2(!word.isEmpty() && !word.contains(QLatin1Char('#')), qPrintable(word));
            for (QChar c : word)
                QVERIFY2(!c.isSpace(), qPrintable(word));
            KeyCode back = 0;
            QVERIFY2(parseTextKeyName(word, back), qPrintable(word));
            QCOMPARE(int(back), code);
            QVERIFY2(!words.contains(word.toUpper()), qPrintable(word));
            words.insert(word.toUpper());
        }
    }

    void wordsAreTheEnglishNamesWhereThoseAreUnique_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("word");
        QTest::newRow("letter") << 0x1C << "A";
        QTest::newRow("layout-dependent letter") << 0x1A << "Z";
        QTest::newRow("modifier") << 0x12 << "LSHIFT";
        QTest::newRow("comma") << 0x41 << ",";
        QTest::newRow("apostrophe") << 0x52 << "'";
        QTest::newRow("grave accent") << 0x0E << "`";
        QTest::newRow("digit") << 0x16 << "1";
        QTest::newRow("backslash left of Z") << 0x13 << "0x13";
        QTest::newRow("backslash left of Enter") << 0x53 << "0x53";
        QTest::newRow("DELAY is a word of the format") << 0xFA << "0xFA";
        QTest::newRow("no name") << 0x00 << "0x00";
        QTest::newRow("gap without name") << 0x5C << "0x5C";
        QTest::newRow("highest") << 0xFF << "0xFF";
    }
    void wordsAreTheEnglishNamesWhereThoseAreUnique()
    {
        QFETCH(int, code);
        QFETCH(QString, word);
        QCOMPARE(textKeyName(KeyCode(code)), word);
    }

    void parsesKeyWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("code"); // -1: not a key
        QTest::newRow("lower case") << "a" << 0x1C;
        QTest::newRow("mixed case") << "lShift" << 0x12;
        QTest::newRow("digit is a name, not a number") << "1" << 0x16;
        QTest::newRow("zero") << "0" << 0x45;
        QTest::newRow("hex") << "0x5c" << 0x5C;
        QTest::newRow("hex upper prefix") << "0X5C" << 0x5C;
        QTest::newRow("one digit") << "0x5" << 0x05;
        QTest::newRow("prefix only") << "0x" << -1;
        QTest::newRow("three digits") << "0x100" << -1;
        QTest::newRow("not hex") << "0xg1" << -1;
        QTest::newRow("backslash is two keys") << "\\" << -1;
        QTest::newRow("DELAY") << "DELAY" << -1;
        QTest::newRow("ERROR") << "ERROR" << -1;
        QTest::newRow("German name") << QString::fromUtf8("ß") << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void parsesKeyWords()
    {
        QFETCH(QString, word);
        QFETCH(int, code);
        KeyCode parsed = 0x77;
        QCOMPARE(parseTextKeyName(word, parsed), code >= 0);
        QCOMPARE(int(parsed), code >= 0 ? code : 0x77);
    }

    void writesTheDocumentedForm()
    {
        ButtonTable t = makeTable(3, 250);
        setButton(t, 0, {{2, 0x11}, {2, 0x21}, {3, 0x21}, {3, 0x11}, {250, 2}, {250, 3}});
        setButton(t, 2, {{250, 2}, {3, 0x53}, {250, 3}, {250, 0x1C}});
        QCOMPARE(configToText(t),
                 QString("# QM-47 keypad configuration (text form, see \"qm47 convert --help\")\n"
                         "buttons 3\n"
                         "max-entries 250\n"
                         "\n"
                         "button 1\n"
                         "  LCTRL down\n"
                         "  C down\n"
                         "  C up\n"
                         "  LCTRL up\n"
                         "  delay\n"
                         "\n"
                         "button 2\n"
                         "\n"
                         "button 3\n"
                         "  0x02 delay  # first half of a delay\n"
                         "  0x53 up  # \\\n"
                         "  0x03 delay  # second half of a delay\n"
                         "  A delay\n"));
    }

    void readsWhatPeopleWrite()
    {
        const QString text = QStringLiteral(
            "# made by hand\r\n"
            "MAX-ENTRIES   20\r\n"
            "\r\n"
            "Button 2   # second button\r\n"
            "\tlctrl DOWN\r\n"
            "  c down#comment right after\r\n"
            "  c up\r\n"
            "  LCTRL up\r\n"
            "  DeLaY\r\n"
            "button 1\r\n"
            "  0x02 delay\r\n"
            "  ' down\r\n"
            "  , up"); // no line end at the end
        ButtonTable t = makeTable(5, 9);
        setButton(t, 4, {{2, 1}}); // replaced: unlisted buttons come out empty
        TkfTextError error;
        QVERIFY2(configFromText(text, t, error), qPrintable(error.message));
        QCOMPARE(int(t.buttonCount), 23);
        QCOMPARE(int(t.maxEntries), 20);
        QCOMPARE(entriesOf(t, 0), (Entries{{250, 2}, {2, 0x52}, {3, 0x41}}));
        QCOMPARE(entriesOf(t, 1),
                 (Entries{{2, 0x11}, {2, 0x21}, {3, 0x21}, {3, 0x11}, {250, 2}, {250, 3}}));
        for (int i = 2; i < 23; ++i)
            QCOMPARE(t.content(uint8_t(i)).length, uint8_t(0));
    }

    void emptyTextIsTheNewConfiguration()
    {
        ButtonTable t = makeTable(3, 7);
        TkfTextError error;
        QVERIFY(configFromText(QString(), t, error));
        QCOMPARE(encodeConfig(t), encodeConfig(makeTable(23, 250)));
    }

    void refusesLinesItCannotUnderstand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("says");
        QTest::newRow("unknown action") << "button 1\nA sideways" << 2 << "not an action";
        QTest::newRow("entry before any button") << "# hi\nA down" << 2 << "must follow a \"button\"";
        QTest::newRow("button 0") << "button 0" << 1 << "from 1 to 23";
        QTest::newRow("button 24") << "button 24" << 1 << "from 1 to 23";
        QTest::newRow("button not a number") << "button x" << 1 << "from 1 to 23";
        QTest::newRow("button beyond the count") << "buttons 5\nbutton 6" << 2 << "from 1 to 5";
        QTest::newRow("no buttons at all") << "buttons 0\nbutton 1" << 2 << "no buttons";
        QTest::newRow("button twice") << "button 2\n\nbutton 2" << 3 << "already given on line 1";
        QTest::newRow("count after a button") << "button 1\nbuttons 5" << 2 << "before the first";
        QTest::newRow("maximum after a button") << "button 1\nmax-entries 5" << 2 << "before the first";
        QTest::newRow("count above 23") << "buttons 24" << 1 << "0 to 23";
        QTest::newRow("count without number") << "buttons" << 1 << "0 to 23";
        QTest::newRow("count twice") << "buttons 5\nbuttons 5" << 2 << "already given on line 1";
        QTest::newRow("negative maximum") << "max-entries -1" << 1 << "0 to 65535";
        QTest::newRow("maximum too large") << "max-entries 65536" << 1 << "0 to 65535";
        QTest::newRow("more entries than the maximum")
            << "max-entries 2\nbutton 1\nA down\nA up\nB down" << 5 << "more than 2";
        QTest::newRow("a delay that does not fit")
            << "max-entries 3\nbutton 1\nA down\nA up\ndelay" << 5 << "more than 3";
        QTest::newRow("unknown key") << "button 1\nFOO down" << 2 << "not a key name";
        QTest::newRow("key code too large") << "button 1\n0x100 down" << 2 << "not a key name";
        QTest::newRow("NUL and escape shown as escapes")
            << QString("button 1\nA%1\x1b\\ down").arg(QChar(0)) << 2 << "\"A\\0\\x1B\\\\\" is not a key name";
        QTest::newRow("backslash names two keys") << "button 1\n\\ down" << 2 << "0x13 or 0x53";
        QTest::newRow("DELAY as a key") << "button 1\nDELAY down" << 2 << "0xFA";
        QTest::newRow("delay with a word after it") << "button 1\ndelay 2" << 2 << "stands alone";
        QTest::newRow("three words") << "button 1\nA down now" << 2 << "cannot understand";
        QTest::newRow("key without action") << "button 1\nA" << 2 << "cannot understand";
    }
    void refusesLinesItCannotUnderstand()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, says);
        ButtonTable t = makeTable(4, 100);
        setButton(t, 3, {{2, 0x1C}});
        const QByteArray before = encodeConfig(t);
        TkfTextError error;
        QVERIFY(!configFromText(text, t, error));
        QCOMPARE(error.line, line);
        QVERIFY2(error.message.contains(says), qPrintable(error.message));
        QCOMPARE(encodeConfig(t), before);
    }

    void theMostAFileCanHoldIsTheLimitAboveIt()
    {
        QString text = QStringLiteral("max-entries 300\nbutton 1\n");
        for (int k = 0; k < 125; ++k)
            text += QStringLiteral("A down\nA up\n");
        ButtonTable t;
        TkfTextError error;
        QVERIFY2(configFromText(text, t, error), qPrintable(error.message));
        QCOMPARE(int(t.content(0).length), 250);
        QVERIFY(!configFromText(text + QStringLiteral("B down\n"), t, error));
        QCOMPARE(error.line, 253);
        QVERIFY2(error.message.contains("250"), qPrintable(error.message));
    }

    void everyAcceptedFileComesBackByteForByte_data()
    {
        QTest::addColumn<TableMaker>("make");
        QTest::newRow("new configuration") << TableMaker([] { return makeTable(23, 250); });
        QTest::newRow("no buttons") << TableMaker([] { return makeTable(0, 250); });
        QTest::newRow("one button, maximum 0") << TableMaker([] { return makeTable(1, 0); });
        QTest::newRow("full 23 x 250") << TableMaker([] {
            ButtonTable t = makeTable(23, 250);
            for (int i = 0; i < 23; ++i) {
                Entries e;
                for (int k = 0; k < 125; ++k) {
                    const uint8_t key = uint8_t(0x07 + (i * 31 + k) % 0x87);
                    e << ContentEntry{2, key} << ContentEntry{3, key};
                }
                setButton(t, i, e);
            }
            return t;
        });
        QTest::newRow("every code pressed and released") << TableMaker([] {
            Entries all;
            for (int k = 0; k < 256; ++k)
                all << ContentEntry{2, uint8_t(k)} << ContentEntry{3, uint8_t(k)};
            return spread(all, 250);
        });
        QTest::newRow("every code as a delay half") << TableMaker([] {
            Entries all;
            for (int k = 0; k < 256; ++k)
                all << ContentEntry{250, uint8_t(k)};
            return spread(all, 250);
        });
        QTest::newRow("odd lengths") << TableMaker([] {
            ButtonTable t = makeTable(23, 250);
            setButton(t, 0, {{2, 0x1C}});
            setButton(t, 1, {{2, 0x1C}, {3, 0x1C}, {250, 2}});
            Entries e;
            for (int k = 0; k < 249; ++k)
                e << ContentEntry{uint8_t(k % 2 ? 3 : 2), 0x5A};
            setButton(t, 22, e);
            return t;
        });
        QTest::newRow("unbalanced scripts") << TableMaker([] {
            ButtonTable t = makeTable(23, 250);
            setButton(t, 0, {{3, 0x1C}, {2, 0x1C}});
            setButton(t, 1, {{2, 0x1C}, {2, 0x1C}, {3, 0x1C}, {3, 0x1C}});
            setButton(t, 2, {{2, 0x13}, {3, 0x53}});
            return t;
        });
        QTest::newRow("delay halves out of order") << TableMaker([] {
            ButtonTable t = makeTable(23, 250);
            setButton(t, 0, {{250, 3}, {250, 2}});
            setButton(t, 1, {{250, 2}, {250, 2}, {250, 3}, {250, 3}, {250, 3}});
            setButton(t, 2, {{250, 2}});
            return t;
        });
        QTest::newRow("maximum above the limit, as stored") << TableMaker([] {
            ButtonTable t = makeTable(5, 300);
            setButton(t, 4, {{2, 0xFA}, {3, 0xFA}});
            return t;
        });
        QTest::newRow("highest maximum") << TableMaker([] { return makeTable(2, 65535); });
        QTest::newRow("small maximum, filled") << TableMaker([] {
            ButtonTable t = makeTable(2, 3);
            setButton(t, 1, {{2, 0x1C}, {250, 2}, {250, 3}});
            return t;
        });
    }
    void everyAcceptedFileComesBackByteForByte()
    {
        QFETCH(TableMaker, make);
        checkRoundTrip(encodeConfig(make()));
    }

    void randomFilesComeBackByteForByte()
    {
        QRandomGenerator random(4711);
        const uint8_t actions[] = {2, 3, 250};
        for (int round = 0; round < 150; ++round) {
            ButtonTable t = makeTable(uint8_t(random.bounded(24)), uint16_t(random.bounded(300)));
            const int limit = std::min<int>(t.maxEntries, 250);
            for (int i = 0; i < t.buttonCount; ++i) {
                Entries e;
                const int n = random.bounded(std::min(limit, 12) + 1);
                for (int k = 0; k < n; ++k)
                    e << ContentEntry{actions[random.bounded(3)], uint8_t(random.bounded(256))};
                setButton(t, i, e);
            }
            checkRoundTrip(encodeConfig(t));
        }
    }

    void storedMaximumIsKept()
    {
        ButtonTable t = makeTable(1, 1000);
        const TkfImageText r = imageToText(encodeConfig(t));
        QVERIFY(r.read.accepted());
        QVERIFY(r.text.contains("\nmax-entries 1000\n"));
    }

    void refusedImagesGiveNoText_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<bool>("signatureOk");
        QTest::addColumn<bool>("corruptEntry");
        const QByteArray good = encodeConfig(makeTable(23, 250));
        QByteArray badSignature = good;
        badSignature[1] = 0x3D;
        QByteArray badCrc = good;
        badCrc[good.size() - 1] = char(good.at(good.size() - 1) ^ 1);
        ButtonTable withEntry = makeTable(23, 250);
        setButton(withEntry, 0, {{2, 0x1C}, {3, 0x1C}});
        QByteArray badAction = encodeConfig(withEntry);
        badAction[6] = 1;
        QTest::newRow("signature") << badSignature << false << false;
        QTest::newRow("checksum") << badCrc << true << false;
        QTest::newRow("truncated") << good.left(good.size() - 1) << true << false;
        QTest::newRow("action") << badAction << true << true;
        QTest::newRow("empty") << QByteArray() << false << false;
    }
    void refusedImagesGiveNoText()
    {
        QFETCH(QByteArray, image);
        QFETCH(bool, signatureOk);
        QFETCH(bool, corruptEntry);
        const TkfImageText r = imageToText(image);
        QVERIFY(!r.read.accepted());
        QCOMPARE(r.read.signatureOk, signatureOk);
        QCOMPARE(r.read.corruptEntry, corruptEntry);
        QVERIFY(r.text.isEmpty());
        QVERIFY(!r.exact);
    }

    void imagesHoldingMoreThanAConfigurationAreNotExact()
    {
        ButtonTable t = makeTable(23, 250);
        setButton(t, 0, {{2, 0x1C}, {3, 0x1C}});
        const QByteArray good = encodeConfig(t);

        // Bytes after the checksum are not read by anyone.
        TkfImageText r = imageToText(good + QByteArray("junk"));
        QVERIFY(r.read.accepted());
        QVERIFY(!r.exact);
        QCOMPARE(r.text, imageToText(good).text);

        // A button count above 23 whose checksum was made over 23 is read as 23.
        QByteArray more = good;
        more[2] = char(30);
        r = imageToText(more);
        QVERIFY(r.read.accepted());
        QVERIFY(!r.exact);
        QVERIFY(r.text.contains("\nbuttons 23\n"));
    }

    void entriesAsLines_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("line");
        QTest::newRow("press") << 2 << 0x1C << "A down";
        QTest::newRow("release of a code written in hex") << 3 << 0x53 << "0x53 up";
        QTest::newRow("first delay half") << 250 << 2 << "0x02 delay";
        QTest::newRow("delay half with a named key") << 250 << 0x5A << "ENTER delay";
    }
    void entriesAsLines()
    {
        QFETCH(int, action);
        QFETCH(int, key);
        QFETCH(QString, line);
        QCOMPARE(textEntry(ContentEntry{uint8_t(action), uint8_t(key)}), line);
    }

private:
    void checkRoundTrip(const QByteArray &image)
    {
        const TkfImageText r = imageToText(image);
        QVERIFY(r.read.accepted());
        QVERIFY(r.exact);
        ButtonTable back = makeTable(7, 7);
        TkfTextError error;
        QVERIFY2(configFromText(r.text, back, error),
                 qPrintable(QString("line %1: %2").arg(error.line).arg(error.message)));
        QCOMPARE(encodeConfig(back).toHex(' '), image.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestTkfText)
#include "test_tkftext.moc"
