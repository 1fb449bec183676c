// Without an X connection no layout number can be had: English is used.
#include "app/mainwindow.h"
#include "capture/keyboardlayout.h"
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

    // Once a number was read, a place without layouts still gives English.
    void readingGivesEnglish()
    {
        setKeyboardLayoutId(0x40C);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(keyboardLayoutId(), 0);
        setKeyboardLayoutId(0x40C);
        auto *button = window.findChild<QPushButton *>(QStringLiteral("pushButton1"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(keyboardLayoutId(), 0);
        QCOMPARE(keyName(0x1A), QStringLiteral("Z"));
    }
};

QTEST_MAIN(TestKeyboardLayoutOffscreen)
#include "test_keyboardlayout_offscreen.moc"
