// Without an X connection no layout number can be had: the one stored stays.
#include "app/mainwindow.h"
#include "keyboard/keyboardlayout.h"
#include "keyboard/keynames.h"

#include <QPushButton>
#include <QtTest>

class TestKeyboardLayoutOffscreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen")); }

    void neverReadKeepsEnglish()
    {
        setKeyboardLayoutId(0);
        readKeyboardLayout();
        QCOMPARE(keyboardLayoutId(), 0);
        QCOMPARE(keyName(0x1A), QStringLiteral("Z"));
    }

    void readingKeepsPreviousNumber()
    {
        setKeyboardLayoutId(0x40C);
        readKeyboardLayout();
        QCOMPARE(keyboardLayoutId(), 0x40C);

        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *button = window.findChild<QPushButton *>(QStringLiteral("pushButton1"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(keyboardLayoutId(), 0x40C);
        QCOMPARE(keyName(0x1A), QStringLiteral("W"));
        setKeyboardLayoutId(0);
    }
};

QTEST_MAIN(TestKeyboardLayoutOffscreen)
#include "test_keyboardlayout_offscreen.moc"
