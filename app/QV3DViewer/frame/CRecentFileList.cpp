#include "app/QV3DViewer/frame/CRecentFileList.h"

#include <QSettings>

namespace {
constexpr const char* kGroup = "Recent File List";
}

void CRecentFileList::Add(const QString& path) {
    entries.removeAll(path);
    entries.prepend(path);
    while (entries.size() > size) {
        entries.removeLast();
    }
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < entries.size()) {
        entries.removeAt(index);
    }
}

void CRecentFileList::ReadList() {
    QSettings settings;
    settings.beginGroup(kGroup);
    entries.clear();
    for (int i = 1; i <= size; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty()) {
            entries.append(path);
        }
    }
}

void CRecentFileList::WriteList() const {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 1; i <= size; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= entries.size()) {
            settings.setValue(key, entries[i - 1]);
        } else {
            settings.remove(key);
        }
    }
}
