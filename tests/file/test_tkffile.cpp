#include "config/buttontable.h"
#include "file/atomicwrite.h"
#include "file/tkffile.h"
#include "support/filebytes.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void oneKeyStroke(ButtonTable &t, uint8_t button, uint8_t key)
{
    ButtonContent &c = t.content(button);
    c.entries[0] = ContentEntry{ActionPress, key};
    c.entries[1] = ContentEntry{ActionRelease, key};
    c.length = 2;
}

} // namespace

class TestTkfFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private Q_SLOTS:
    void init()
    {
        for (const QString &name : entries())
            QFile::remove(path(name));
    }

    void saveAndLoad()
    {
        ButtonTable t;
        oneKeyStroke(t, 4, 0x1C);
        QVERIFY(saveConfigFile(path("office.tkf"), t));
        QCOMPARE(readAll(path("office.tkf")), encodeConfig(t));
        QCOMPARE(entries(), QStringList{"office.tkf"}); // no temporary left behind

        ButtonTable back;
        back.buttonCount = 3;
        const TkfLoadResult r = loadConfigFile(path("office.tkf"), back);
        QVERIFY(r.opened);
        QVERIFY(r.read.accepted());
        QCOMPARE(back.buttonCount, uint8_t(23));
        QCOMPARE(back.content(4).length, uint8_t(2));
        QCOMPARE(back.content(4).entries[1], (ContentEntry{ActionRelease, 0x1C}));
    }

    void saveReplacesAnExistingFile()
    {
        QVERIFY(writeBytes(path("office.tkf"), QByteArray(100, 'x')));
        ButtonTable t;
        QVERIFY(saveConfigFile(path("office.tkf"), t));
        QCOMPARE(readAll(path("office.tkf")), encodeConfig(t));
        QCOMPARE(entries(), QStringList{"office.tkf"});
    }

    // Root ignores permissions, so the failures are ones that hold for everyone:
    // a folder that is a regular file, and a write that runs out of room.
    void failedSaveKeepsTheOldFile()
    {
        QVERIFY(writeBytes(path("notafolder"), "plain"));
        ButtonTable t;
        QVERIFY(!saveConfigFile(path("notafolder/office.tkf"), t));
        QCOMPARE(readAll(path("notafolder")), QByteArray("plain"));
        QVERIFY(!saveConfigFile(QString(), t));

        const QByteArray old = "OLD CONTENT OF THE FILE";
        QVERIFY(writeBytes(path("office.tkf"), old));
        oneKeyStroke(t, 0, 0x1C);
        {
            FileSizeLimit limit(16); // the image is 36 bytes
            QVERIFY(limit.active());
            QVERIFY(!saveConfigFile(path("office.tkf"), t));
        }
        QCOMPARE(readAll(path("office.tkf")), old);
        QCOMPARE(entries(), (QStringList{"notafolder", "office.tkf"}));
    }

    void loadFailures()
    {
        ButtonTable t;
        t.buttonCount = 7;
        oneKeyStroke(t, 1, 0x33);
        TkfLoadResult r = loadConfigFile(path("missing.tkf"), t);
        QVERIFY(!r.opened);
        QVERIFY(!loadConfigFile(dir.path(), t).opened);
        // Only regular files are read: a FIFO is refused instead of blocking.
        QCOMPARE(mkfifo(QFile::encodeName(path("fifo.tkf")).constData(), 0600), 0);
        QVERIFY(!loadConfigFile(path("fifo.tkf"), t).opened);
        QVERIFY(QFile::remove(path("fifo.tkf")));
        QVERIFY(!loadConfigFile("/dev/zero", t).opened);
        QCOMPARE(t.buttonCount, uint8_t(7));
        QCOMPARE(t.content(1).length, uint8_t(2));
    }

    // A folder that allows no new file: an existing writable file is written
    // in place. Root may create files anywhere, so it writes as an ordinary
    // user here.
    void lockedFolderWritesInPlace()
    {
        const QString locked = path("locked");
        const QString file = locked + "/office.tkf";
        QVERIFY(QDir().mkpath(locked));
        QVERIFY(writeBytes(file, "OLD"));
        QCOMPARE(chmod(QFile::encodeName(file).constData(), 0666), 0);
        QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        QCOMPARE(chmod(QFile::encodeName(locked).constData(), 0555), 0);
        bool written = false;
        {
            struct AsUser {
                bool switched = geteuid() == 0 && seteuid(65534) == 0;
                ~AsUser() { if (switched) QVERIFY(seteuid(0) == 0); }
            } asUser;
            QVERIFY(geteuid() != 0);
            written = writeWholeFile(file, "NEW CONTENT");
        }
        chmod(QFile::encodeName(locked).constData(), 0755);
        QVERIFY(written);
        QCOMPARE(readAll(file), QByteArray("NEW CONTENT"));
        QDir(locked).removeRecursively();
    }

    // Only what a configuration can occupy is read; a huge file is not loaded whole.
    void longFileReadsOnlyTheConfiguration()
    {
        ButtonTable t;
        t.buttonCount = 1;
        oneKeyStroke(t, 0, 0x1C);
        QByteArray bytes = encodeConfig(t);
        bytes += QByteArray(8 * 1024 * 1024, 'z');
        QVERIFY(writeBytes(path("long.tkf"), bytes));
        ButtonTable back;
        const TkfLoadResult r = loadConfigFile(path("long.tkf"), back);
        QVERIFY(r.opened);
        QVERIFY(r.read.accepted());
        QCOMPARE(back.buttonCount, uint8_t(1));
        QCOMPARE(back.content(0).length, uint8_t(2));
    }

    // A table whose counts a device raised beyond what a file may hold is saved
    // as the largest configuration that opens again.
    void oversizedTableSavesWhatReadsBack()
    {
        ButtonTable t;
        t.buttonCount = 255;
        t.maxEntries = 255;
        for (int i = 0; i < 255; ++i) {
            ButtonContent &c = t.content(uint8_t(i));
            c.length = 255;
            for (int k = 0; k < 255; ++k)
                c.entries[k] = ContentEntry{ActionDelay, uint8_t(2 + (k & 1))};
        }
        QVERIFY(saveConfigFile(path("big.tkf"), t));
        const QByteArray bytes = readAll(path("big.tkf"));
        QCOMPARE(bytes.size(), 9 + 23 + 2 * 23 * 250);
        QCOMPARE(bytes, encodeConfig(t));

        ButtonTable back;
        const TkfLoadResult r = loadConfigFile(path("big.tkf"), back);
        QVERIFY(r.opened);
        QVERIFY(r.read.accepted());
        QCOMPARE(back.buttonCount, uint8_t(23));
        QCOMPARE(back.maxEntries, uint16_t(250));
        for (int i = 0; i < 23; ++i)
            QCOMPARE(back.content(uint8_t(i)).length, uint8_t(250));
    }
};

QTEST_GUILESS_MAIN(TestTkfFile)
#include "test_tkffile.moc"
