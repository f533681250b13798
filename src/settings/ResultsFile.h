#pragma once

#include "BestResults.h"
#include "StoredFile.h"

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
    void store(const BestResults &results) const;

private:
    StoredFile m_file;
};
