#pragma once

#include "file/filefingerprint.h"

#include <QString>

// Names of the configuration in hand: one process-wide instance.
struct FileState {
    static FileState &instance();

    QString filePath;                     // file last opened or saved; empty when unnamed
    QString fileName = QStringLiteral("QM47_File"); // path chosen last in the Open dialog
    QString defaultDirectory;             // start directory of the file dialogs
    FileFingerprint onDisk;               // the file as last read or written here
};
