#pragma once

#include "command.h"

#include "keyboard/keynames.h"

// The --layout option that show, check and overview share.
OptionSpec layoutOption();

// The key-name table --layout chose (English when not given). False, after
// telling the user, for a value that names no layout.
bool layoutFromOption(const Invocation &invocation, const QString &command, NameTable &table);
