#include "config/buttontable.h"
#include "file/atomicwrite.h"
#include "file/regularfile.h"
#include "file/tkffile.h"
#include "support/filebytes.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// Root may create files in any folder: these run as an ordinary user.
struct AsUser {
    bool switched = geteuid() == 0 && seteuid(65534) == 0;
    ~AsUser() { if (switched) QVERIFY(seteuid(0) == 0); }
};

mode_t nodeType(const QString &path)
{
    struct stat st;
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

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

    // A name whose bytes the locale could not decode comes with U+FFFD in
    // their place: it is neither written (under the replacement's bytes) nor
    // said to be missing; a file that really has such a name is used.
    void namesDecodedWithReplacements()
    {
        const QString mangled = path(QStringLiteral("x\uFFFD.tkf"));
        QString reason;
        QVERIFY(!writeWholeFile(mangled, "new", &reason));
        QCOMPARE(reason, QString("the name is not valid in the system's character encoding"));
        QVERIFY(!QFile::exists(mangled));
        QCOMPARE(openFailureReason(mangled), reason);
        QVERIFY(writeBytes(mangled, "old"));
        QVERIFY2(writeWholeFile(mangled, "new", &reason), qPrintable(reason));
        QCOMPARE(readAll(mangled), QByteArray("new"));
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
            AsUser asUser;
            QVERIFY(geteuid() != 0);
            written = writeWholeFile(file, "NEW CONTENT");
        }
        chmod(QFile::encodeName(locked).constData(), 0755);
        QVERIFY(written);
        QCOMPARE(readAll(file), QByteArray("NEW CONTENT"));
        QDir(locked).removeRecursively();
    }

    // On a full disk the in-place path finds no room for the new content
    // before it writes: the old file stays byte for byte.
    void fullDiskLeavesTheFileInPlaceIntact()
    {
        const QString disk = path("small-disk");
        QVERIFY(QDir().mkpath(disk));
        if (mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k,mode=0755") != 0)
            QSKIP(qPrintable(QString("mounting a small tmpfs is not allowed here (%1); "
                                     "the full-disk case is not tested")
                                 .arg(QString::fromLocal8Bit(strerror(errno)))));
        struct Unmount {
            QByteArray at;
            ~Unmount() { umount2(at.constData(), MNT_DETACH); rmdir(at.constData()); }
        } unmount{QFile::encodeName(disk)};
        const QString locked = disk + "/locked";
        const QString file = locked + "/office.tkf";
        QVERIFY(QDir().mkpath(locked));
        const QByteArray old(3000, 'o');
        QVERIFY(writeBytes(file, old));
        QCOMPARE(chmod(QFile::encodeName(file).constData(), 0666), 0);
        QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        QCOMPARE(chmod(QFile::encodeName(locked).constData(), 0555), 0);
        QFile filler(disk + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        filler.close();

        QString reason;
        bool written = true;
        {
            AsUser asUser;
            QVERIFY(geteuid() != 0);
            written = writeWholeFile(file, QByteArray(20000, 'n'), &reason);
        }
        QVERIFY(!written);
        QVERIFY2(reason.startsWith(strerror(ENOSPC)), qPrintable(reason));
        QCOMPARE(readAll(file), old);
        QCOMPARE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"office.tkf"});
    }

    // What the output path names decides how it is written: a regular file
    // whole or not at all, anything else that takes bytes as a stream that
    // stays what it was, a folder or a block device not at all.
    void outputKinds_data()
    {
        QTest::addColumn<mode_t>("type");  // the node at the output path; 0: /dev/stdout
        QTest::addColumn<QString>("refusal"); // empty: written
        QTest::newRow("regular file") << mode_t(S_IFREG) << QString();
        QTest::newRow("FIFO with a reader") << mode_t(S_IFIFO) << QString();
        QTest::newRow("character device") << mode_t(S_IFCHR) << QString();
        QTest::newRow("/dev/stdout, a pipe") << mode_t(0) << QString();
        QTest::newRow("directory") << mode_t(S_IFDIR) << QString(strerror(EISDIR));
        QTest::newRow("block device") << mode_t(S_IFBLK) << QString("Is a block device");
    }
    void outputKinds()
    {
        QFETCH(mode_t, type);
        QFETCH(QString, refusal);
        const QString node = path("out");
        const QByteArray nodeName = QFile::encodeName(node);
        const QByteArray bytes = "buttons 23\nbutton 1\n  A down\n  A up\n";
        int reader = -1; // where a stream's bytes arrive
        int savedStdout = -1;
        switch (type) {
        case S_IFREG: QVERIFY(writeBytes(node, QByteArray(200, 'o'))); break;
        case S_IFIFO:
            QCOMPARE(mkfifo(nodeName.constData(), 0600), 0);
            reader = open(nodeName.constData(), O_RDONLY | O_NONBLOCK);
            break;
        case S_IFCHR: // a copy of /dev/null
        case S_IFBLK: // a loop device node, never to be opened
            if (mknod(nodeName.constData(), type | 0600, type == S_IFCHR ? makedev(1, 3) : makedev(7, 0)) != 0)
                QSKIP(qPrintable(QString("device nodes cannot be made here (%1)").arg(strerror(errno))));
            break;
        case S_IFDIR: QVERIFY(QDir().mkdir(node)); break;
        default: {
            int ends[2];
            QCOMPARE(pipe(ends), 0);
            reader = ends[0];
            savedStdout = dup(1);
            dup2(ends[1], 1);
            close(ends[1]);
        }
        }

        QString reason;
        const bool written = writeWholeFile(type ? node : "/dev/stdout", bytes, &reason);
        if (savedStdout >= 0) {
            dup2(savedStdout, 1);
            close(savedStdout);
        }
        QByteArray arrived(4096, '\0');
        arrived.resize(reader >= 0 ? qMax<ssize_t>(0, read(reader, arrived.data(), 4096)) : 0);
        arrived = type == S_IFREG ? readAll(node) : arrived;
        close(reader);
        const mode_t typeAfter = nodeType(node);
        const QStringList entries =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        ::remove(nodeName.constData());

        QVERIFY2(written == refusal.isEmpty() && reason == (written ? QString() : refusal), qPrintable(reason));
        if (written && type != S_IFCHR)
            QCOMPARE(arrived, bytes);
        QCOMPARE(typeAfter, type);
        QCOMPARE(entries, type ? QStringList{"out"} : QStringList{});
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
