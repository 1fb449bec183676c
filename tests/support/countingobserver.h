#pragma once

#include "config/buttontable.h"

// Counts the change notifications a table sends to its observer.
struct CountingObserver : TableObserver {
    int begins = 0;
    int ends = 0;
    void tableAboutToChange() override { ++begins; }
    void tableChanged() override { ++ends; }
};
