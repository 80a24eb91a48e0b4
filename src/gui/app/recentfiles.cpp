#include "gui/app/recentfiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
QString Canonical(const QString& fileName)
{
    return QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
}
} // namespace

void AddRecentFile(QStringList& files, const QString& fileName)
{
    if (fileName.isEmpty())
        return;
    const QString name = Canonical(fileName);
    files.removeIf([&](const QString& f) { return Canonical(f) == name; });
    files.prepend(name);
    while (files.size() > RecentFileCount)
        files.removeLast();
}

void FillRecentMenu(QMenu& menu, const QStringList& files, const std::function<void(const QString&)>& open)
{
    // Not deleted at once: the entry being chosen may be the one that refills the menu.
    for (QAction* old : menu.actions()) {
        menu.removeAction(old);
        old->deleteLater();
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        // "&1" .. "&8" choose by keyboard; a file name's own ampersands are no mnemonics.
        QString label = QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(file));
        label.replace(QStringLiteral("&"), QStringLiteral("&&")).remove(0, 1);
        QAction* action = menu.addAction(label);
        action->setObjectName(QStringLiteral("miRecent%1").arg(i + 1));
        const bool there = QFileInfo(file).isFile();
        action->setEnabled(there);
        const QString hint = there ? QStringLiteral("Open the area %1").arg(file)
                                   : QStringLiteral("The area %1 is not there any more").arg(file);
        action->setStatusTip(hint);
        action->setToolTip(hint);
        QObject::connect(action, &QAction::triggered, &menu, [open, file] { open(file); });
    }
    if (files.isEmpty()) {
        QAction* none = menu.addAction(QStringLiteral("(no recent areas)"));
        none->setObjectName(QStringLiteral("miRecentNone"));
        none->setEnabled(false);
    }
}
