#pragma once

// Detectable auto-repeat on the application's X connection: while it is on,
// the X server sends the repeats of a held key as presses alone, without the
// release before each of them.
class X11DetectableRepeat
{
public:
    // Asks the server to turn it on for this client. True when it is on
    // afterwards; false without X, without XKB or when the server refuses.
    bool enable();
    // Puts back the setting that enable() found.
    void restore();

    // Off: enable() does not ask and returns false, so that a capture takes
    // the way for servers without it. On by default.
    static void setAllowed(bool allowed);

private:
    bool turnedOn_ = false; // enable() switched it from off to on
};
