#pragma once

#include "BestResults.h"
#include "MatchTally.h"
#include "StoredFile.h"

#include <QJsonObject>

#include <QString>

// The best results, "Results.json", beside the settings record in the folder
// SettingsFolder chose.
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
    // Replaces the file atomically. Throws IoError with the record's texts.
    // Keys the best results do not use (the tally of matches, a newer
    // version's) are kept.
    void store(const BestResults &results) const;

    // The tally of the boards against the computer; zeros when the file
    // lacks it. Never throws.
    MatchTally loadTally() const;
    // Replaces the tally, keeping the best results and every other key as
    // the file holds them. Throws IoError.
    void storeTally(const MatchTally &tally) const;

private:
    QJsonObject others() const; // the stored keys the best results do not use
    void write(const BestResults &results, const QJsonObject &others) const;

    StoredFile m_file;
};
