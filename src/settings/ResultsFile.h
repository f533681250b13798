#pragma once

#include "BestResults.h"
#include "JsonFile.h"
#include "MatchTally.h"

#include <QJsonObject>

#include <QString>

// The best results, "Results.json", beside the settings record in the folder
// SettingsFolder chose. Its tables are BestResults'; a section of another
// kind is a key of its own beside them, changed through update().
class ResultsFile
{
public:
    static constexpr const char *FileName = "Results.json";

    explicit ResultsFile(const QString &folder);

    QString path() const { return m_file.path(); }
    // What the file holds that can be read; empty tables when it is missing
    // or unreadable. Reads no more than BestResults::MaxFileBytes. Never
    // throws, and leaves the file as it is.
    BestResults load() const;
    // The one way to change the file: see JsonFile::update. A file that
    // cannot be read whole is kept beside it first (the copy's path is
    // returned) and the change gets the entries that could be read.
    QString update(const JsonFile::Change &change) const { return m_file.update(change); }
    // Replaces the tables, keeping the file's other keys. Throws IoError.
    void store(const BestResults &results) const;
    // The tables as the file holds them now, changed by edit, then stored.
    // Returns what update() returns.
    QString updateTables(const std::function<void(BestResults &)> &edit) const;

    // The tally of the boards against the computer; zeros when the file
    // lacks it. Never throws.
    MatchTally loadTally() const;
    // The tally as the file holds it now, changed by edit, then stored.
    // Returns what update() returns.
    QString updateTally(const std::function<void(MatchTally &)> &edit) const;

private:
    JsonFile m_file;
};
