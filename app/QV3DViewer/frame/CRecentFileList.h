// CRecentFileList: the four most recently opened files, newest first, kept in the settings
// store's own group beside the preferences.
#pragma once

#include <QString>
#include <QStringList>

class CRecentFileList {
public:
    explicit CRecentFileList(int size = 4) : size(size) {}
    virtual ~CRecentFileList() = default;

    // Moves the path to the front (it appears once), dropping the oldest beyond the size.
    void Add(const QString& path);
    void Remove(int index);
    const QStringList& Entries() const { return entries; }

    // Group "Recent File List", values "File1" to "File4" of QSettings' default store.
    void ReadList();
    void WriteList() const;

private:
    int size;
    QStringList entries;
};
