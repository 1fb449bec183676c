#pragma once

#include <QtGlobal>

// Writes all `size` bytes at `data` to the open descriptor `fd`, carrying on
// after partial writes and interruptions. Returns 0 when every byte was
// written, else the system's error number.
//
// A reader that went away gives EPIPE instead of the signal that would end
// the whole process: a window that saves into a FIFO, or a command whose
// output pipe was closed, decides for itself what to do about it.
int writeAllToDescriptor(int fd, const char *data, qint64 size);
