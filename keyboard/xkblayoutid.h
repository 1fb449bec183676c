#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// One layout of an X keyboard map, as its XKB names: "de", "ch" with
// variant "fr", "us" with an empty variant.
struct XkbLayout {
    QString layout;
    QString variant;
};

// The layout that an XKB symbols name such as "pc+us+de(nodeadkeys):2+inet(evdev)"
// puts into group groupIndex (0 for the first group, as the keyboard state
// reports it). Nothing when that group has no layout in the name.
std::optional<XkbLayout> xkbLayoutOfGroup(QStringView symbols, int groupIndex);

// How the keyboard brings a group number outside its groupCount groups back
// into range (the groups-wrap control of XKB).
enum class GroupWrap { Wrap, Clamp, Redirect };

// The group in force for a reported group number. The state may still hold
// a group of an earlier keyboard map with more groups: keys then use the
// group brought into range. -1 when the keyboard has no groups.
int groupInRange(int group, int groupCount, GroupWrap wrap, int redirectGroup = 0);

// The number of the Windows keyboard layout that corresponds to an XKB layout
// and variant (de -> 0x407, ch(fr) -> 0x100C). Nothing for layouts without a
// known counterpart.
std::optional<int32_t> windowsLayoutForXkb(QStringView layout, QStringView variant = {});
