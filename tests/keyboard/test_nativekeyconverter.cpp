// Key events numbered by XKB keycode turned into the Windows hook's reports.
#include "keyboard/nativekeyconverter.h"

#include <QtTest>

namespace {

// XKB keycodes (Linux input event code + 8).
constexpr uint32_t XA = 38, XQ = 24, XLeftShift = 50, XLeftCtrl = 37, XRightCtrl = 105,
                   XLeftAlt = 64, XRightAlt = 108, XPause = 127, XPrint = 107,
                   XScrollLock = 78, XPadEnter = 104;

using M = NativeKeyConverter::Modifiers;

QString str(const WindowsKeyEvent &e)
{
    return QString::asprintf("%02X/%02X/%02X", e.vkCode, e.scanCode, e.flags);
}

} // namespace

class TestNativeKeyConverter : public QObject
{
    Q_OBJECT

    NativeKeyConverter converter;

    QString press(uint32_t keycode, M m = {}) { return str(converter.press(keycode, m)); }
    QString release(uint32_t keycode, M m = {}) { return str(converter.release(keycode, m)); }

private Q_SLOTS:
    void init() { converter.reset(); }

    void shiftA()
    {
        QCOMPARE(press(XLeftShift), QString("A0/2A/00"));
        QCOMPARE(press(XA), QString("41/1E/00"));
        QCOMPARE(release(XA), QString("41/1E/80"));
        QCOMPARE(release(XLeftShift), QString("A0/2A/80"));
    }

    void extendedKeys()
    {
        QCOMPARE(press(XPadEnter), QString("0D/1C/01"));
        QCOMPARE(release(XPadEnter), QString("0D/1C/81"));
        QCOMPARE(press(XRightCtrl), QString("A3/1D/01"));
        QCOMPARE(release(XRightCtrl), QString("A3/1D/81"));
    }

    // Windows sets the Alt flag on the press of Alt itself, on everything
    // pressed or released while it is held, and not on its own release.
    void altFlag()
    {
        QCOMPARE(press(XLeftAlt), QString("A4/38/20"));
        QCOMPARE(press(XA), QString("41/1E/20"));
        QCOMPARE(release(XA), QString("41/1E/A0"));
        QCOMPARE(release(XLeftAlt), QString("A4/38/80"));
        QCOMPARE(press(XA), QString("41/1E/00"));
    }

    void altGr()
    {
        QCOMPARE(press(XRightAlt), QString("A5/38/21"));
        QCOMPARE(press(XQ), QString("51/10/20"));
        QCOMPARE(release(XQ), QString("51/10/A0"));
        QCOMPARE(release(XRightAlt), QString("A5/38/81"));
    }

    // Releasing one Alt key while the other is held keeps the flag.
    void bothAltKeys()
    {
        press(XLeftAlt);
        press(XRightAlt);
        QCOMPARE(release(XLeftAlt), QString("A4/38/A0"));
        QCOMPARE(release(XRightAlt), QString("A5/38/81"));
    }

    // An Alt held before the capture began is known from the modifier state.
    void altFromModifierState()
    {
        QCOMPARE(press(XA, M{false, true}), QString("41/1E/20"));
        QCOMPARE(release(XA, M{false, true}), QString("41/1E/A0"));
        // The state that comes with an Alt key's own release still counts it.
        QCOMPARE(release(XLeftAlt, M{false, true}), QString("A4/38/80"));
    }

    // Ctrl+Pause is Break; its release stays Break when Ctrl goes up first.
    void breakKey()
    {
        press(XLeftCtrl);
        QCOMPARE(press(XPause), QString("03/46/01"));
        QCOMPARE(release(XLeftCtrl), QString("A2/1D/80"));
        QCOMPARE(release(XPause), QString("03/46/81"));
        QCOMPARE(press(XPause), QString("13/45/00"));
        QCOMPARE(release(XPause), QString("13/45/80"));
        QCOMPARE(press(XPause, M{true, false}), QString("03/46/01"));
        QCOMPARE(press(XScrollLock, M{true, false}), QString("03/46/00"));
    }

    void sysRq()
    {
        press(XLeftAlt);
        QCOMPARE(press(XPrint), QString("2C/54/20"));
        release(XLeftAlt);
        QCOMPARE(release(XPrint), QString("2C/54/80"));
        QCOMPARE(press(XPrint), QString("2C/37/01"));
    }

    // A repeated press keeps the identity of the first, though Ctrl went down.
    void repeatedPress()
    {
        QCOMPARE(press(XPause), QString("13/45/00"));
        QCOMPARE(press(XPause, M{true, false}), QString("13/45/00"));
        QCOMPARE(release(XPause), QString("13/45/80"));
    }

    // A release whose press came before the capture is reported.
    void loneRelease()
    {
        QCOMPARE(release(XA), QString("41/1E/80"));
        QCOMPARE(release(XRightAlt), QString("A5/38/81"));
    }

    // Codes without an input event code, or out of any table, have no identity.
    void unknownCodes()
    {
        QCOMPARE(press(8), QString("00/00/00"));
        QCOMPARE(press(0), QString("00/00/00"));
        QCOMPARE(release(0), QString("00/00/80"));
        QCOMPARE(press(100000), QString("00/00/00"));
        QCOMPARE(release(100000), QString("00/00/80"));
    }

    void resetForgetsHeldKeys()
    {
        press(XLeftAlt);
        converter.reset();
        QCOMPARE(press(XA), QString("41/1E/00"));
    }
};

QTEST_APPLESS_MAIN(TestNativeKeyConverter)
#include "test_nativekeyconverter.moc"
