#pragma once

#include <QStringList>

class ButtonTable;

// The checks the configurator runs before a transmit or save, for every
// button: the balance check and the test for successive delays. One line for
// each failure, naming the button (counted from 1) and why; empty when all pass.
QStringList buttonProblems(const ButtonTable &table);
