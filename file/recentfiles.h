#pragma once

#include <QStringList>

// The files opened or saved last, newest first, as the File menu offers them.
constexpr int RecentFileCount = 8;

// `list` with `path` put first: an earlier mention of the same file (by its
// absolute, cleaned path) is dropped, and the list is cut to RecentFileCount.
QStringList withRecentFile(const QStringList &list, const QString &path);

// `list` without `path` (compared as withRecentFile compares).
QStringList withoutRecentFile(const QStringList &list, const QString &path);
