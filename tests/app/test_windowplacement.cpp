#include "app/windowplacement.h"

#include <QtTest>

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placement_data()
    {
        QTest::addColumn<int>("screens");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("one full-HD screen") << 1 << QSize(1920, 1080) << QPoint(700, 345);
        QTest::newRow("two side by side: middle of the left one")
            << 2 << QSize(3840, 1080) << QPoint(700, 345);
        QTest::newRow("one small screen") << 1 << QSize(800, 600) << QPoint(140, 105);
        QTest::newRow("three screens") << 3 << QSize(5760, 1080) << QPoint(1180, 345);
    }
    void placement()
    {
        QFETCH(int, screens);
        QFETCH(QSize, area);
        QFETCH(QPoint, expected);
        QCOMPARE(initialWindowPosition(screens, area, QSize(520, 390)), expected);
    }

    void centring()
    {
        const QPoint main(700, 345);
        const QSize mainSize(520, 390);
        QCOMPARE(centredPosition(main, mainSize, QSize(501, 222)), QPoint(710, 429));
        QCOMPARE(centredPosition(main, mainSize, QSize(250, 23)), QPoint(835, 529));
        // Larger than the reference: not clamped, may go left of it.
        QCOMPARE(centredPosition(QPoint(0, 0), QSize(100, 100), QSize(301, 301)), QPoint(-100, -100));
    }

    void fileLabel_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        QTest::newRow("folder and extension") << "D:/a/b/config.tkf" << "config";
        QTest::newRow("every occurrence removed") << "x.tkf.tkf" << "x";
        QTest::newRow("bare extension kept") << ".tkf" << ".tkf";
        QTest::newRow("leading extension kept whole") << "/tmp/.tkf.tkf" << ".tkf.tkf";
        QTest::newRow("default name") << "QM47_File" << "QM47_File";
        QTest::newRow("extension is case-sensitive") << "/home/u/office.TKF" << "office.TKF";
        QTest::newRow("extension in the middle") << "a.tkfb" << "ab";
    }
    void fileLabel()
    {
        QFETCH(QString, path);
        QFETCH(QString, shown);
        QCOMPARE(displayedFileName(path), shown);
    }
};

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "test_windowplacement.moc"
