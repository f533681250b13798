#pragma once

#include "JsonFile.h"
#include "Preferences.h"

#include <QJsonObject>
#include <QString>

#include <functional>

// The preferences file "Preferences.json", in the folder of "DbData": one
// JSON object, a key per preference, e.g. {"colorMarks": true, "language": "en"}. Keys this
// version does not know are kept when it stores, so a newer version's
// choices survive a run of an older one. A new choice is a field of
// Preferences, read in fromObject and written in writeInto.
class PreferencesFile
{
public:
    static constexpr const char *FileName = "Preferences.json";
    // A preferences file is a few dozen bytes; anything longer than this is
    // not one, and is not read whole.
    static constexpr qint64 MaxBytes = 64 * 1024;

    explicit PreferencesFile(QString folder);

    QString path() const { return m_file.path(); }

    // The stored preferences; a missing, unreadable or damaged file, or a
    // value of the wrong kind, gives the default for what it lacks. The
    // file is left as it is. Never throws.
    Preferences load() const;

    // The file as it is now, under its lock, with the choices that edit
    // changes: every other key stays as the file has it, so a choice
    // another copy of the game made meanwhile is kept. A file that cannot
    // be read whole is kept beside it first; the copy's path is returned.
    // Throws IoError; the file is then as it was.
    QString update(const std::function<void(Preferences &)> &edit) const;
    // Every choice as given. Throws IoError.
    void store(const Preferences &preferences) const;

    static Preferences fromObject(const QJsonObject &object);
    static void writeInto(const Preferences &preferences, QJsonObject &object);

private:
    JsonFile m_file;
};
