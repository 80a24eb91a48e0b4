#pragma once
// File "Open recent": the last area files, most recent first.
#include <QStringList>

#include <functional>

class QMenu;

constexpr int RecentFileCount = 8;

// Puts fileName first, dropping an earlier entry of the same file and any beyond the eighth.
void AddRecentFile(QStringList& files, const QString& fileName);

// Fills the menu with one entry per file; a file that is not there any more is shown greyed
// out. Choosing an entry calls open with its file name.
void FillRecentMenu(QMenu& menu, const QStringList& files, const std::function<void(const QString&)>& open);
