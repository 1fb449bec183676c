#include "app/portdialog.h"
#include "app/porttablemodel.h"
#include "controllers/usersettings.h"
#include "serial/portlist.h"
#include "device/portmatch.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <pty.h>
#include <unistd.h>

// A new device file, as a plugged-in adapter makes one; gone with the object.
struct Pty {
    Pty() { ::openpty(&master, &slave, name, nullptr, nullptr); }
    ~Pty() { ::close(master), ::close(slave); }
    QString path() const { return QString::fromLocal8Bit(name); }
    int master = -1, slave = -1;
    char name[256] = {};
};

class TestPortDialog : public QObject
{
    Q_OBJECT

    static MyTableModel &modelOf(comPort &dialog)
    {
        return *qobject_cast<MyTableModel *>(dialog.findChild<QTableView *>("tableView")->model());
    }
    static int rowOf(comPort &dialog, const QString &name)
    {
        const QList<PortRecord> &ports = modelOf(dialog).ports();
        for (int r = 0; r < ports.size(); ++r)
            if (ports.at(r).portName == name)
                return r;
        return -1;
    }
    static int selectedRow(comPort &dialog)
    {
        const auto rows = dialog.findChild<QTableView *>("tableView")->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    static PortRecord named(const QString &name)
    {
        PortRecord p;
        p.portName = name;
        return p;
    }

private Q_SLOTS:
    void init() { qputenv(ExtraPortsVariable, "COM1:COM3:/dev/pts/77"); }

    void extraPortsFromTheEnvironment()
    {
        const auto ports = extraPortsFrom(QStringLiteral("/dev/pts/3::/tmp/link:"));
        QCOMPARE(ports.size(), 2);
        QCOMPARE(ports[0].portName, QString("/dev/pts/3"));
        QCOMPARE(ports[0].systemLocation, QString("/dev/pts/3"));
        QCOMPARE(ports[0].description, QString("Additional port"));
        QCOMPARE(ports[1].portName, QString("/tmp/link"));
        QVERIFY(extraPortsFrom(QString()).isEmpty());
    }

    void tableModelTexts()
    {
        comPort dialog;
        dialog.refreshPortList(PortRecord());
        MyTableModel &model = modelOf(dialog);
        const int row = rowOf(dialog, "COM3");
        QVERIFY(row >= 0);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.data(model.index(row, 0)).toString(), QString("COM3"));
        QCOMPARE(model.data(model.index(row, 1)).toString(), QString("Additional port (COM3)"));
        QVERIFY(!model.data(model.index(row, 0), Qt::ToolTipRole).isValid());
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Port"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Device name"));
        QCOMPARE(model.headerData(5, Qt::Horizontal).toInt(), 5);
        QCOMPARE(model.headerData(0, Qt::Vertical).toInt(), 1);
        QVERIFY(!model.setData(model.index(row, 0), "x"));
        QVERIFY(!(model.flags(model.index(row, 0)) & Qt::ItemIsEditable));
    }

    // A port's stable name: on a second line of its description, and in
    // full in the tool tip.
    void stableNamesShown()
    {
        PortRecord p = named("ttyUSB1");
        p.description = "FT232R USB UART";
        p.stableNames = QStringList{"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                                    "/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0"};
        MyTableModel model;
        model.replacePorts({p, named("ttyS0")});
        QCOMPARE(model.data(model.index(0, 1)).toString(),
                 QString("FT232R USB UART (ttyUSB1)\nusb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"));
        QCOMPARE(model.data(model.index(0, 0), Qt::ToolTipRole).toString(), p.stableNames.join('\n'));
        QVERIFY(!model.data(model.index(1, 1), Qt::ToolTipRole).isValid());

        // A link that cannot be offered is named in the tool tip, not listed.
        PortRecord odd = named("ttyUSB2");
        odd.unlistedLinks = QStringList{"/dev/serial/by-id/usb-x\\xFF"};
        model.replacePorts({odd});
        QCOMPARE(model.data(model.index(0, 0), Qt::ToolTipRole).toString(),
                 QString("/dev/serial/by-id/usb-x\\xFF (not usable: the name is not valid in the system's "
                         "character encoding)"));
        QVERIFY(!model.data(model.index(0, 1)).toString().contains('\n'));
    }

    // The port used last is kept with its stable name, and found by it once
    // the adapter was renumbered.
    void rememberedByItsStableName()
    {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        const QString stable = "/dev/serial/by-id/usb-QM47_cable_0001-if00-port0";
        PortRecord used = named("ttyUSB0");
        used.stableNames = QStringList{stable, "/dev/serial/by-path/pci-1"};
        writeLastPort(used);
        const PortRecord remembered = readLastPort();
        QCOMPARE(remembered.portName, QString("ttyUSB0"));
        QCOMPARE(remembered.stableNames, QStringList{stable});
        PortRecord renumbered = named("ttyUSB1");
        renumbered.stableNames = QStringList{stable};
        QCOMPARE(rowToPreselect({named("ttyUSB0"), renumbered}, remembered), 1);
    }

    void preselectsTheLastPortByName()
    {
        comPort dialog;
        dialog.refreshPortList(named("COM3"));
        QCOMPARE(selectedRow(dialog), rowOf(dialog, "COM3"));
        QVERIFY(dialog.findChild<QTableView *>("tableView")->hasFocus()
                || !dialog.isVisible());

        dialog.refreshPortList(named("COM9")); // gone: row 0
        QCOMPARE(selectedRow(dialog), 0);
        dialog.refreshPortList(PortRecord());
        QCOMPARE(selectedRow(dialog), 0);
    }

    void okTakesTheSelectedRow()
    {
        comPort dialog;
        dialog.refreshPortList(named("COM1"));
        dialog.show();
        QTest::keyClick(dialog.findChild<QTableView *>("tableView"), Qt::Key_Down);
        const int row = selectedRow(dialog);
        QVERIFY(row >= 0);
        dialog.findChild<QPushButton *>("pushButtonOk")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenPort.portName, modelOf(dialog).ports().at(row).portName);
    }

    void enterAcceptsThroughTheDefaultButton()
    {
        comPort dialog;
        dialog.refreshPortList(named("COM3"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenPort.portName, QString("COM3"));
    }

    void okWithNothingSelectedStaysOpen()
    {
        qputenv(ExtraPortsVariable, "");
        comPort dialog;
        dialog.refreshPortList(named("COM3"));
        dialog.findChild<QTableView *>("tableView")->clearSelection();
        dialog.show();
        dialog.findChild<QPushButton *>("pushButtonOk")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.chosenPort.portName, QString("COM3"));
    }

    void cancelKeepsThePreselection()
    {
        comPort dialog;
        dialog.refreshPortList(named("COM3"));
        dialog.show();
        dialog.findChild<QPushButton *>("pushButtonCancel")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.chosenPort.portName, QString("COM3"));
    }

    void refreshKeepsTheHighlightedRow()
    {
        comPort dialog;
        dialog.refreshPortList(named("COM1"));
        const int pts = rowOf(dialog, "/dev/pts/77");
        dialog.findChild<QTableView *>("tableView")->selectRow(pts);
        // The port list changes order before the refresh.
        qputenv(ExtraPortsVariable, "/dev/pts/77:COM1:COM3");
        dialog.findChild<QPushButton *>("pushButtonRefresh")->click();
        QCOMPARE(selectedRow(dialog), rowOf(dialog, "/dev/pts/77"));
        QCOMPARE(dialog.chosenPort.portName, QString("/dev/pts/77"));
    }

    // While the dialog is shown, a port that appears (a new device file) or
    // goes joins or leaves the list within about a second and the selection
    // stays on its port; a hidden dialog follows nothing.
    void shownListFollowsPortsThatComeAndGo()
    {
        comPort dialog;
        dialog.refreshPortList(named("COM3"));
        dialog.show();
        auto plugIn = std::make_unique<Pty>();
        const QString pulled = plugIn->path();
        qputenv(ExtraPortsVariable, "/dev/pts/77:COM1:COM3:" + pulled.toLocal8Bit());
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(dialog, pulled) >= 0, 1500);
        QCOMPARE(selectedRow(dialog), rowOf(dialog, "COM3"));

        qputenv(ExtraPortsVariable, "COM3");
        plugIn.reset();
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(dialog, pulled) < 0 && rowOf(dialog, "COM1") < 0, 1500);
        QCOMPARE(selectedRow(dialog), rowOf(dialog, "COM3"));

        dialog.hide();
        const QList<PortRecord> before = modelOf(dialog).ports();
        qputenv(ExtraPortsVariable, "COM1:COM3");
        Pty unseen;
        QTest::qWait(2 * PortWatcher::SettleMs + 200);
        QCOMPARE(modelOf(dialog).ports(), before);
    }

    void titleAndToolTipPerTransfer()
    {
        comPort dialog;
        QCOMPARE(dialog.windowTitle(), QString("Serial interface selection"));
        auto *ok = dialog.findChild<QPushButton *>("pushButtonOk");
        QCOMPARE(ok->toolTip(), QString("Start readout / transmit"));
        dialog.setTransferTitle("Get device configuration");
        QCOMPARE(dialog.windowTitle(), QString("Get device configuration"));
        QCOMPARE(ok->toolTip(), QString("Get device configuration"));
        QVERIFY(ok->isDefault());
        dialog.setTransferTitle("Set device configuration");
        QCOMPARE(ok->toolTip(), QString("Set device configuration"));
        QCOMPARE(dialog.size(), QSize(501, 351));
    }
};

QTEST_MAIN(TestPortDialog)
#include "test_portdialog.moc"
