#include "common/fontdatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFontDatabase>
#include <QSet>

namespace korvane::common {

namespace {

// visited holds canonical folder paths, so that a link back up the tree
// cannot make the walk endless.
void loadFolder(const QString& folder, QSet<QString>& visited)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || visited.contains(canonical))
        return;
    visited.insert(canonical);

    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isDir()) {
            loadFolder(info.absoluteFilePath(), visited);
        } else if (info.suffix().toUpper() == QLatin1String("TTF")) {
            QFontDatabase::addApplicationFont(QDir::toNativeSeparators(info.absoluteFilePath()));
        }
    }
}

} // namespace

bool FontDatabase::load(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return true;
    QSet<QString> visited;
    loadFolder(folder, visited);
    return true;
}

} // namespace korvane::common
