#pragma once

#include <QByteArray>
#include <QString>

// One small file of the game's own in the settings folder: the settings
// record and the files kept beside it share this, so each is read with the
// same care and written with the same guarantees and error texts.
class StoredFile
{
public:
    StoredFile(QString folder, QString name);

    QString path() const;

    // The first maxBytes of the file, or nothing when it is missing, not a
    // regular file or unreadable. Only a regular file is read: a pipe or a
    // device of that name would block the start or never end. Never throws.
    QByteArray read(qint64 maxBytes) const;

    // Replaces the file atomically with bytes: a crash or a full disk during
    // the write leaves the old file whole. In a folder the player cannot
    // write, a file they can write is overwritten in place instead. Makes the
    // folder first when it is SettingsFolder::configFolder(). Throws IoError
    // with the runtime's text for the failure.
    void write(const QByteArray &bytes) const;

    // Deletes the file; a failure is ignored.
    void remove() const;

private:
    QString m_folder;
    QString m_name;
};
