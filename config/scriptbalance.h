#pragma once

#include "config/buttontable.h"

// Rules that judge whether a button's script releases every key it presses.
// Two sets of rules exist: the simple ones colour single rows of the content
// list, the full check decides a button's red mark and the warning before a
// transfer or save. Both compare key bytes only, whatever the action.

// True when the press at `row` has no release of its key after it: the first
// later entry with the same key byte is not a release, or there is none.
bool pressUnmatched(const ButtonContent &content, int row);

// True when the release at `row` has no press of its key before it: the
// nearest earlier entry with the same key byte is not a press, or there is none.
bool releaseUnmatched(const ButtonContent &content, int row);

// The button check: true when the script is balanced (even length, no
// release first, every press followed by its release and every release
// preceded by its press, a delay half right beside counting as a match).
bool contentBalanced(const ButtonContent &content);

// Runs the button check and keeps its verdict in the content's faulty flag.
bool checkContent(ButtonContent &content);

// True when two delays follow each other: first halves at k and k + 2.
bool hasSuccessiveDelays(const ButtonContent &content);
