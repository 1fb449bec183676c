#pragma once

#include <QByteArray>
#include <QtGlobal>

// The private X server a test run provides for the tests that need a real
// one, or empty when there is none (those tests then skip).
inline QByteArray testDisplay()
{
    return qgetenv("QM47_TEST_DISPLAY");
}

// Turns the program to the private X server, when there is one. Call it in
// main() before the QApplication is made; without a server the test stays on
// the platform the test run chose.
inline void useTestDisplay()
{
    const QByteArray display = testDisplay();
    if (display.isEmpty())
        return;
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    // No session bus belongs to the private X server. Without an address the
    // D-Bus library would look for one through the X server, and keep the
    // memory of that attempt to the end.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
}
