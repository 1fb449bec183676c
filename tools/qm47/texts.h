#pragma once

#include <QCoreApplication>

// qm47's own texts: Texts::tr() finds them in the catalogues' context "qm47".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(qm47)
};

// The configurator's messages that qm47 gives word for word ("Could not open
// file!"), from the main window's context.
struct WindowTexts {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};
