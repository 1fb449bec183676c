// The button grid as one Tab stop: where each key leads, and a walk with real
// key events on the private X server (skipped without one).
#include "app/gridkeynavigation.h"
#include "app/mainwindow.h"
#include "support/testdisplay.h"

#include <QLabel>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

class TestGridKeys : public QObject
{
    Q_OBJECT

    static bool xdotool(const QStringList &arguments)
    {
        QProcess process;
        process.start("xdotool", arguments);
        return process.waitForFinished(20000) && process.exitCode() == 0;
    }

private Q_SLOTS:
    // Buttons as the window draws them: rows of four, 21 to 23 in the last.
    void targets_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("right") << 0 << int(Qt::Key_Right) << 1;
        QTest::newRow("right edge") << 3 << int(Qt::Key_Right) << 3;
        QTest::newRow("left edge") << 4 << int(Qt::Key_Left) << 4;
        QTest::newRow("down from 2 to 6") << 1 << int(Qt::Key_Down) << 5;
        QTest::newRow("down onto no button") << 19 << int(Qt::Key_Down) << 19;
        QTest::newRow("up from the short row") << 21 << int(Qt::Key_Up) << 17;
        QTest::newRow("top edge") << 2 << int(Qt::Key_Up) << 2;
        QTest::newRow("home") << 14 << int(Qt::Key_Home) << 0;
        QTest::newRow("end") << 2 << int(Qt::Key_End) << 22;
        QTest::newRow("another key") << 5 << int(Qt::Key_A) << 5;
    }
    void targets()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        QList<QPoint> cells;
        for (int i = 0; i < 23; ++i)
            cells << QPoint(i % 4, i / 4);
        QCOMPARE(gridKeyTarget(cells, from, key), to);
    }

    // Tab into the grid, arrows to button 10, Space selects it; Shift+Tab
    // leaves backwards, Tab comes back on button 10 and leaves to Start.
    void keyboardWalk()
    {
        if (testDisplay().isEmpty())
            QSKIP("QM47_TEST_DISPLAY names no private X server");
        MainWindow window;
        window.move(20, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(xdotool({"windowfocus", "--sync", QString::number(window.winId())}));
        QTRY_VERIFY(window.isActiveWindow());
        window.findChild<QListView *>("listView")->setFocus();
        const auto focused = [] { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); };

        QVERIFY(xdotool({"key", "Tab"}));
        QTRY_COMPARE(focused(), QString("pushButton1"));
        QVERIFY(xdotool({"key", "Down", "Down", "Right"}));
        QTRY_COMPARE(focused(), QString("pushButton10"));
        QVERIFY(xdotool({"key", "space"}));
        QTRY_COMPARE(window.findChild<QLabel *>("labelState")->text(), QString("Button 10 active"));
        QVERIFY(xdotool({"key", "shift+Tab"}));
        QTRY_COMPARE(focused(), QString("listView"));
        QVERIFY(xdotool({"key", "Tab"}));
        QTRY_COMPARE(focused(), QString("pushButton10"));
        QVERIFY(xdotool({"key", "Tab"}));
        QTRY_COMPARE(focused(), QString("pushButtonStart"));
    }
};

int main(int argc, char **argv)
{
    useTestDisplay();
    QApplication app(argc, argv);
    TestGridKeys test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_gridkeys.moc"
