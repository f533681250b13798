#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// One small file of the game's own in the settings folder: the settings
// record and the files kept beside it share this, so each is read with the
// same care and written with the same guarantees and error texts.
//
// Only a regular file, or none, is ever replaced. A symbolic link to a
// regular file is written through: the link stays, and its target is
// replaced in the target's own folder (a dotfiles repository keeps
// working). A pipe, device, socket or folder in the file's place, or a link
// to one, is an error and stays as it is.
class StoredFile
{
public:
    // The steps of a write, each of which may fail and must leave the old
    // file whole.
    enum class Step { Open, Write, Sync, Close, Rename };
    // For tests: the errno a step fails with instead of running, 0 to run
    // it. An empty hook runs every step.
    using FailureHook = std::function<int(Step)>;

    StoredFile(QString folder, QString name);

    QString path() const;

    // The first maxBytes of the file, or nothing when it is missing, not a
    // regular file or unreadable. Only a regular file is read: a pipe or a
    // device of that name would block the start or never end. Never throws.
    QByteArray read(qint64 maxBytes) const;

    // Replaces the file atomically with bytes: the bytes go to a new file
    // beside it, which is synced, closed and renamed over the old one; a
    // crash, a full disk or any failing step leaves the old file byte for
    // byte. In a folder the player cannot write, a file they can write is
    // overwritten in place instead. Makes the folder first when it is
    // SettingsFolder::configFolder(). Throws IoError with the runtime's text
    // for the failure.
    void write(const QByteArray &bytes) const;

    // Keeps the file as it is now (a link's target) under a name beside it
    // that tells the date, "Results.json.2026-12-08-23-50-00.unread", never
    // over a file that exists, before the file is replaced. Returns the
    // copy's path. Throws IoError.
    QString copyAside() const;

    // Deletes the file; a failure is ignored.
    void remove() const;

    // Replaces the hook and returns the one that was in place.
    static FailureHook setFailureHook(FailureHook hook);

private:
    // The file that a write replaces: the path, or a link's final target.
    // Throws IoError when something other than a regular file is there.
    QString target() const;

    QString m_folder;
    QString m_name;
};
