#pragma once

#include "Preferences.h"
#include "StoredFile.h"

#include <QJsonObject>
#include <QString>

// The preferences file "Preferences.json", in the folder of "DbData": one
// JSON object, a key per preference, e.g. {"colorMarks": true, "language": "en"}. Keys this
// version does not know are kept when it stores, so a newer version's
// choices survive a run of an older one.
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
    // file is left as it is: the next store replaces it. Never throws.
    Preferences load() const;

    // Replaces the file atomically, as StoredFile writes, keeping the keys
    // this version does not know. Throws IoError.
    void store(const Preferences &preferences) const;

private:
    QJsonObject stored() const;

    StoredFile m_file;
};
