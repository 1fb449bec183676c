#pragma once

#include "config/buttontable.h"
#include "keyboard/keynames.h"

#include <QString>

// The text of one entry as the content list shows it: the key's name from
// `table` followed by " down" for a press or " up" for a release (nothing for
// any other action), or "Delay" and "0.5s" for the two halves of a delay.
// Shared by the list model and the command-line tool.
QString contentRowText(const ContentEntry &entry, NameTable table);
