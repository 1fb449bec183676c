#include "config/buttontable.h"
#include "config/crc32.h"
#include "file/tkfcodec.h"
#include "support/hexbytes.h"
#include "support/tablecontent.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

void appendCrc(QByteArray &bytes, uint32_t crc)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((crc >> shift) & 0xFF));
}

// A file image whose CRC is computed over `crcView` (the bytes as the reader
// feeds them, which differ from the stored ones where a count is clamped).
QByteArray withCrcOver(const QByteArray &stored, const QByteArray &crcView)
{
    QByteArray file = stored;
    appendCrc(file, frameCrc(reinterpret_cast<const uint8_t *>(crcView.constData()),
                             size_t(crcView.size())));
    return file;
}

QByteArray withCrc(const QByteArray &stored) { return withCrcOver(stored, stored); }

QByteArray header(uint8_t buttons, uint16_t maxEntries)
{
    QByteArray h;
    h.append(char(0xC3)).append(char(0x3C)).append(char(buttons));
    h.append(char(maxEntries & 0xFF)).append(char(maxEntries >> 8));
    return h;
}

void resetTable(ButtonTable &t, uint8_t buttons = 23, uint16_t maxEntries = 250)
{
    t.buttonCount = buttons;
    t.maxEntries = maxEntries;
    t.buildTable();
}

// Every button of the first `buttons` holds `length` random stored entries.
void fillRandom(ButtonTable &t, int buttons, int length, QRandomGenerator &rng)
{
    static const uint8_t actions[] = {ActionPress, ActionRelease, ActionDelay};
    for (int i = 0; i < buttons; ++i) {
        ButtonContent &c = t.content(uint8_t(i));
        c.length = uint8_t(length);
        for (int k = 0; k < length; ++k)
            c.entries[k] = ContentEntry{actions[rng.bounded(3)], uint8_t(rng.bounded(256))};
    }
}

bool allEmpty(const ButtonTable &t)
{
    for (int i = 0; i < ButtonTable::ButtonCapacity; ++i)
        if (t.content(uint8_t(i)).length != 0 || t.content(uint8_t(i)).faulty != 0)
            return false;
    return true;
}

} // namespace

class TestTkfCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyConfigurationImage()
    {
        ButtonTable t;
        resetTable(t);
        QCOMPARE(encodeConfig(t).toHex(' '),
                 hex("C33C17FA00" "0000000000000000000000000000000000000000000000" "23C31BD9")
                     .toHex(' '));
    }

    void delayPairImage()
    {
        ButtonTable t;
        resetTable(t);
        setButton(t, 0, {{ActionDelay, DelayFirstHalf}, {ActionDelay, DelaySecondHalf}});
        const QByteArray image = encodeConfig(t);
        QCOMPARE(image.size(), 36);
        QCOMPARE(image.toHex(' '),
                 hex("C33C17FA00" "02FA02FA03" "00000000000000000000000000000000000000000000"
                     "3DD1AF3F").toHex(' '));

        ButtonTable back;
        resetTable(back, 5, 7);
        const TkfReadResult r = decodeConfig(image, back);
        QVERIFY(r.accepted());
        QVERIFY(sameContents(t, back));
    }

    void fullConfigurationRoundTrip()
    {
        QRandomGenerator rng(4711);
        ButtonTable t;
        resetTable(t);
        fillRandom(t, 23, 250, rng);
        const QByteArray image = encodeConfig(t);
        QCOMPARE(image.size(), 9 + 23 + 2 * 23 * 250);
        QCOMPARE(image.size(), TkfMaxReadSize);

        ButtonTable back;
        resetTable(back, 3, 10);
        fillRandom(back, 3, 10, rng);
        const TkfReadResult r = decodeConfig(image, back);
        QVERIFY(r.accepted());
        QVERIFY(!r.truncated);
        QVERIFY(sameContents(t, back));
        // Writing what was read gives the same bytes again.
        QCOMPARE(encodeConfig(back), image);
    }

    void mixedLengthsRoundTrip()
    {
        QRandomGenerator rng(99);
        ButtonTable t;
        resetTable(t, 17, 40);
        for (int i = 0; i < 17; ++i) {
            ButtonTable one;
            fillRandom(one, 1, int(rng.bounded(41)), rng);
            t.content(uint8_t(i)) = one.content(0);
        }
        ButtonTable back;
        QVERIFY(decodeConfig(encodeConfig(t), back).accepted());
        QVERIFY(sameContents(t, back));
    }

    void badSignatureKeepsTable_data()
    {
        QTest::addColumn<QByteArray>("data");
        ButtonTable t;
        resetTable(t);
        const QByteArray valid = encodeConfig(t);
        QByteArray secondWrong = valid;
        secondWrong[1] = char(0x3D);
        QByteArray firstWrong = valid;
        firstWrong[0] = char(0xC2);
        QTest::newRow("second byte") << secondWrong;
        QTest::newRow("first byte") << firstWrong;
        QTest::newRow("swapped") << withCrc(hex("3CC317FA00") + QByteArray(23, 0));
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("one byte") << hex("C3");
    }
    void badSignatureKeepsTable()
    {
        QFETCH(QByteArray, data);
        ButtonTable t;
        resetTable(t, 12, 100);
        setButton(t, 3, {{ActionPress, 0x1C}, {ActionRelease, 0x1C}});
        t.content(5).faulty = 1;
        const TkfReadResult r = decodeConfig(data, t);
        QVERIFY(!r.signatureOk);
        QVERIFY(!r.accepted());
        QCOMPARE(t.buttonCount, uint8_t(12));
        QCOMPARE(t.maxEntries, uint16_t(100));
        QCOMPARE(t.content(3).length, uint8_t(2));
        QCOMPARE(t.content(3).entries[1], (ContentEntry{ActionRelease, 0x1C}));
        QCOMPARE(t.content(5).faulty, uint8_t(1));
    }

    void changedKeyByteIsACrcError()
    {
        ButtonTable t;
        resetTable(t);
        setButton(t, 2, {{ActionPress, 0x1C}, {ActionRelease, 0x1C}});
        QByteArray image = encodeConfig(t);
        // Button 2's record starts after the header and two empty records.
        QCOMPARE(uint8_t(image[5 + 2]), uint8_t(2));
        image[5 + 2 + 2] = char(0x1D);

        ButtonTable back;
        resetTable(back, 4, 9);
        setButton(back, 0, {{ActionPress, 1}, {ActionRelease, 1}});
        const TkfReadResult r = decodeConfig(image, back);
        QVERIFY(r.signatureOk);
        QVERIFY(!r.corruptEntry);
        QVERIFY(!r.crcOk);
        QVERIFY(!r.truncated);
        QVERIFY(!r.accepted());
        QVERIFY(allEmpty(back));
        QCOMPARE(back.buttonCount, uint8_t(23));
        QCOMPARE(back.maxEntries, uint16_t(250));
    }

    // An action byte that is no press, release or delay stops the reading; the
    // four bytes behind it are compared as the stored CRC.
    void corruptEntry_data()
    {
        QTest::addColumn<bool>("crcBehindMatches");
        QTest::newRow("crc differs") << false;
        QTest::newRow("crc matches") << true;
    }
    void corruptEntry()
    {
        QFETCH(bool, crcBehindMatches);
        // Button 0 holds a valid pair; button 1 claims two entries, the first
        // with action 1.
        QByteArray fed = header(3, 250) + hex("02021C031C") + hex("02");
        QByteArray file = fed + hex("01");
        const uint32_t crc = frameCrc(reinterpret_cast<const uint8_t *>(fed.constData()),
                                      size_t(fed.size()));
        if (crcBehindMatches)
            appendCrc(file, crc);
        else
            appendCrc(file, crc ^ 0x100);
        file += hex("1C00000000000000"); // rest of the claimed content, never read

        ButtonTable t;
        resetTable(t, 7, 20);
        setButton(t, 6, {{ActionDelay, 2}, {ActionDelay, 3}});
        const TkfReadResult r = decodeConfig(file, t);
        QVERIFY(r.signatureOk);
        QVERIFY(r.corruptEntry);
        QCOMPARE(r.crcOk, crcBehindMatches);
        QVERIFY(!r.truncated);
        QVERIFY(!r.accepted());
        QVERIFY(allEmpty(t));
        QCOMPARE(t.buttonCount, uint8_t(3));
        QCOMPARE(t.maxEntries, uint16_t(250));
    }

    void unknownActionsAreRefused_data()
    {
        QTest::addColumn<int>("action");
        for (int a : {0, 1, 4, 6, 249, 251, 255})
            QTest::newRow(qPrintable(QString::number(a))) << a;
    }
    void unknownActionsAreRefused()
    {
        QFETCH(int, action);
        QByteArray stored = header(1, 250) + hex("02") + char(action) + hex("05") + hex("0305");
        ButtonTable t;
        const TkfReadResult r = decodeConfig(withCrc(stored), t);
        QVERIFY(r.corruptEntry);
        QVERIFY(!r.accepted());
        QVERIFY(allEmpty(t));
    }

    // Counts above the limits are clamped; the clamped button count and lengths
    // enter the CRC, the maximum enters it as stored.
    void clampedCounts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<int>("length0");

        const QByteArray empty23(23, 0);
        // 24 buttons stored: read as 23; a CRC over the stored 24 fails.
        QTest::newRow("24 buttons, crc as stored")
            << withCrc(header(24, 250) + empty23 + QByteArray(1, 0)) << false << 23 << 250 << 0;
        // A CRC over the clamped count passes and the 24th record is ignored.
        QTest::newRow("24 buttons, crc over 23")
            << withCrcOver(header(24, 250) + empty23, header(23, 250) + empty23) << true << 23
            << 250 << 0;
        QTest::newRow("255 buttons, crc over 23")
            << withCrcOver(header(255, 250) + empty23, header(23, 250) + empty23) << true << 23
            << 250 << 0;
        // Maxima above 250 are clamped but pass the CRC as stored.
        QTest::newRow("max 251") << withCrc(header(23, 251) + empty23) << true << 23 << 250 << 0;
        QTest::newRow("max 65535") << withCrc(header(23, 0xFFFF) + empty23) << true << 23 << 250
                                   << 0;
        QTest::newRow("max 256 (high byte)")
            << withCrc(header(23, 0x100) + empty23) << true << 23 << 250 << 0;
        QTest::newRow("max 250 kept") << withCrc(header(2, 250) + QByteArray(2, 0)) << true << 2
                                      << 250 << 0;
        QTest::newRow("max 0") << withCrc(header(2, 0) + QByteArray(2, 0)) << true << 2 << 0 << 0;

        // Lengths above the maximum: clamped, the clamped value enters the CRC,
        // and only that many entries are read.
        QByteArray pairs4 = hex("0201030102020302");
        QTest::newRow("length 6 over max 4, crc over 4")
            << withCrcOver(header(2, 4) + hex("06") + pairs4 + hex("00"),
                           header(2, 4) + hex("04") + pairs4 + hex("00"))
            << true << 2 << 4 << 4;
        QTest::newRow("length 6 over max 4, crc as stored")
            << withCrc(header(2, 4) + hex("06") + pairs4 + hex("00")) << false << 2 << 4 << 0;

        QByteArray delays250;
        for (int k = 0; k < 125; ++k)
            delays250 += hex("FA02FA03");
        QTest::newRow("length 255 over max 250, crc over 250")
            << withCrcOver(header(1, 250) + hex("FF") + delays250,
                           header(1, 250) + hex("FA") + delays250)
            << true << 1 << 250 << 250;
        QTest::newRow("length 255 with max 300 clamped to 250")
            << withCrcOver(header(1, 300) + hex("FF") + delays250,
                           header(1, 300) + hex("FA") + delays250)
            << true << 1 << 250 << 250;
    }
    void clampedCounts()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, accepted);
        QFETCH(int, buttons);
        QFETCH(int, maxEntries);
        QFETCH(int, length0);
        ButtonTable t;
        resetTable(t, 9, 9);
        setButton(t, 0, {{ActionPress, 9}, {ActionRelease, 9}});
        const TkfReadResult r = decodeConfig(file, t);
        QVERIFY(r.signatureOk);
        QVERIFY(!r.corruptEntry);
        QCOMPARE(r.accepted(), accepted);
        QCOMPARE(int(t.buttonCount), buttons);
        QCOMPARE(int(t.maxEntries), maxEntries);
        QCOMPARE(int(t.content(0).length), length0);
        if (!accepted)
            QVERIFY(allEmpty(t));
    }

    // A short file: missing bytes keep the values they would have replaced and
    // the file is refused.
    void truncatedHeaderKeepsPreviousCounts()
    {
        ButtonTable t;
        resetTable(t, 5, 0x0164);
        setButton(t, 1, {{ActionPress, 3}, {ActionRelease, 3}});
        TkfReadResult r = decodeConfig(hex("C33C"), t);
        QVERIFY(r.signatureOk);
        QVERIFY(r.truncated);
        QVERIFY(!r.accepted());
        QCOMPARE(t.buttonCount, uint8_t(5));
        QCOMPARE(t.maxEntries, uint16_t(250)); // 0x0164 = 356 kept, then clamped
        QVERIFY(allEmpty(t));

        // The low byte present, the high byte missing: the high byte stays, so
        // 0x0107 is read and clamped (a zero high byte would have given 7).
        resetTable(t, 5, 0x0102);
        r = decodeConfig(hex("C33C0307"), t);
        QCOMPARE(t.buttonCount, uint8_t(3));
        QCOMPARE(t.maxEntries, uint16_t(250));
        QVERIFY(!r.accepted());
    }

    void everyPrefixIsRefused()
    {
        ButtonTable t;
        resetTable(t);
        setButton(t, 0, {{ActionPress, 0x12}, {ActionRelease, 0x12}});
        setButton(t, 22, {{ActionDelay, 2}, {ActionDelay, 3}});
        const QByteArray image = encodeConfig(t);
        for (int n = 0; n < image.size(); ++n) {
            ButtonTable back;
            const TkfReadResult r = decodeConfig(image.left(n), back);
            QVERIFY2(!r.accepted(), qPrintable(QString("prefix %1").arg(n)));
            QVERIFY(allEmpty(back));
        }
        ButtonTable back;
        QVERIFY(decodeConfig(image, back).accepted());
        // Bytes after the CRC are not read.
        QVERIFY(decodeConfig(image + hex("DEADBEEF"), back).accepted());
        QVERIFY(sameContents(t, back));
    }

    // A file cut inside its CRC whose missing bytes happen to be zero would pass
    // the comparison; it is refused all the same.
    void truncatedCrcThatWouldMatchIsRefused()
    {
        ButtonTable t;
        resetTable(t);
        QByteArray image;
        for (int key = 0; key < 256 * 256; ++key) {
            setButton(t, 0, {{ActionPress, uint8_t(key & 0xFF)},
                              {ActionRelease, uint8_t(key >> 8)}});
            image = encodeConfig(t);
            if (image.endsWith(char(0)))
                break;
        }
        QVERIFY(image.endsWith(char(0)));
        ButtonTable back;
        QVERIFY(decodeConfig(image, back).accepted());
        const TkfReadResult r = decodeConfig(image.chopped(1), back);
        QVERIFY(r.truncated);
        QVERIFY(!r.crcOk);
        QVERIFY(!r.accepted());
        QVERIFY(allEmpty(back));
    }

    // After a device reported larger counts the table is cut to the largest
    // file that reads back: 23 buttons of at most 250 entries.
    void oversizedTableIsCutToWhatReadsBack()
    {
        QRandomGenerator rng(1234);
        ButtonTable t;
        resetTable(t, 255, 255);
        fillRandom(t, 255, 255, rng);
        const QByteArray image = encodeConfig(t);
        QCOMPARE(image.size(), 9 + 23 + 2 * 23 * 250);
        QCOMPARE(image.left(5), hex("C33C17FF00"));

        ButtonTable back;
        QVERIFY(decodeConfig(image, back).accepted());
        QCOMPARE(back.buttonCount, uint8_t(23));
        QCOMPARE(back.maxEntries, uint16_t(250));
        for (int i = 0; i < 23; ++i) {
            const ButtonContent &c = back.content(uint8_t(i));
            QCOMPARE(int(c.length), 250);
            for (int k = 0; k < 250; ++k)
                QVERIFY(c.entries[k] == t.content(uint8_t(i)).entries[k]);
        }
    }

    // Buttons longer than the maximum the device reported: the stored maximum
    // is raised so that no entry the file can carry is lost.
    void lengthsAboveMaximumRaiseIt()
    {
        ButtonTable t;
        resetTable(t, 2, 1);
        setButton(t, 1, {{ActionPress, 1}, {ActionRelease, 1}, {ActionPress, 2}});
        const QByteArray image = encodeConfig(t);
        QCOMPARE(image.left(image.size() - 4), hex("C33C020300" "00" "03020103010202"));
        ButtonTable back;
        QVERIFY(decodeConfig(image, back).accepted());
        QCOMPARE(back.maxEntries, uint16_t(3));
        QCOMPARE(int(back.content(1).length), 3);
        QVERIFY(back.content(1).entries[2] == (ContentEntry{ActionPress, 2}));

        // Within the limits the maximum stays as it is.
        resetTable(t, 2, 200);
        setButton(t, 1, {{ActionPress, 1}, {ActionRelease, 1}});
        QCOMPARE(encodeConfig(t).mid(3, 2), hex("C800"));
    }
};

QTEST_GUILESS_MAIN(TestTkfCodec)
#include "test_tkfcodec.moc"
