// Stable names of serial ports: the links found for a device, and the port
// dialog's choice of the row to pre-select by them.
#include "device/portmatch.h"
#include "device/stableportnames.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

PortRecord port(const QString &name, const QStringList &stableNames = {})
{
    PortRecord p;
    p.portName = name;
    p.systemLocation = QStringLiteral("/dev/") + name;
    p.stableNames = stableNames;
    return p;
}

} // namespace

Q_DECLARE_METATYPE(PortRecord)

class TestStablePortNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Links in by-id and by-path to a device (a plain file stands in for it),
    // relative and chained ones too; links elsewhere and broken ones are not
    // its names, and one whose name is not valid text is only reported.
    void linksToTheDevice()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString device = dir.filePath("ttyUSB1");
        QVERIFY(QFile(device).open(QIODevice::WriteOnly));
        QVERIFY(QFile(dir.filePath("ttyUSB0")).open(QIODevice::WriteOnly));
        QVERIFY(QDir(dir.path()).mkpath("by-id") && QDir(dir.path()).mkpath("by-path"));
        QVERIFY(QFile::link("../ttyUSB1", dir.filePath("by-id/usb-B")));
        QVERIFY(QFile::link(dir.filePath("by-id/usb-B"), dir.filePath("by-id/usb-A")));
        QVERIFY(QFile::link(dir.filePath("ttyUSB0"), dir.filePath("by-id/usb-C")));
        QVERIFY(QFile::link(dir.filePath("gone"), dir.filePath("by-id/usb-D")));
        QVERIFY(QFile::link(device, dir.filePath("by-path/pci-1")));
        // A name that is not UTF-8 cannot be carried as text: reported, not listed.
        const QByteArray oddName = QFile::encodeName(dir.filePath("by-id/usb-")) + "\xff\x01";
        QCOMPARE(::symlink(QFile::encodeName(device).constData(), oddName.constData()), 0);
        // The temporary folder cannot remove what it cannot name.
        const auto removeOdd = qScopeGuard([&] { ::unlink(oddName.constData()); });
        const QStringList folders{dir.filePath("by-id"), dir.filePath("by-path")};
        const QStringList expected{dir.filePath("by-id/usb-A"), dir.filePath("by-id/usb-B"),
                                   dir.filePath("by-path/pci-1")};

        const QStringList unlisted{dir.filePath("by-id/usb-") + "\\xFF\\x01"};

        for (const QString &name : {device, dir.filePath("by-id/usb-A")}) {
            const StableLinks links = stableLinksOf(name, folders);
            QCOMPARE(links.names, expected);
            QCOMPARE(links.unlisted, unlisted);
        }
        const StableLinks none = stableLinksOf(dir.filePath("gone"), folders);
        QVERIFY(none.names.isEmpty() && none.unlisted.isEmpty());
        QCOMPARE(deviceBehind(dir.filePath("by-id/usb-A")), device);
        QCOMPARE(deviceBehind(dir.filePath("gone")), dir.filePath("gone"));
    }

    void rowToPreselect_data()
    {
        QTest::addColumn<QList<PortRecord>>("ports");
        QTest::addColumn<PortRecord>("remembered");
        QTest::addColumn<int>("row");
        const QString x = "/dev/serial/by-id/usb-X";
        const QString y = "/dev/serial/by-id/usb-Y";
        QTest::newRow("renumbered adapter")
            << QList<PortRecord>{port("ttyUSB0", {y}), port("ttyUSB1", {x})} << port("ttyUSB0", {x}) << 1;
        QTest::newRow("another adapter took its number")
            << QList<PortRecord>{port("ttyS0"), port("ttyUSB0", {y})} << port("ttyUSB0", {x}) << -1;
        QTest::newRow("no stable name: by name, the last")
            << QList<PortRecord>{port("COM1"), port("COM3"), port("COM3")} << port("COM3") << 2;
        QTest::newRow("not present") << QList<PortRecord>{port("COM1")} << port("COM9") << -1;
    }
    void rowToPreselect()
    {
        QFETCH(QList<PortRecord>, ports);
        QFETCH(PortRecord, remembered);
        QFETCH(int, row);
        QCOMPARE(::rowToPreselect(ports, remembered), row);
    }
};

QTEST_GUILESS_MAIN(TestStablePortNames)
#include "test_stableportnames.moc"
