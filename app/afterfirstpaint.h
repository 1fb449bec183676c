#pragma once

#include <functional>

class QWidget;

// Runs `work` once, from the event loop, right after `window` painted for the
// first time: what the first picture does not need then does not delay it.
void runAfterFirstPaint(QWidget *window, std::function<void()> work);
