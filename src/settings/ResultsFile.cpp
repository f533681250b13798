#include "ResultsFile.h"

ResultsFile::ResultsFile(const QString &folder) : m_file(folder, QString::fromLatin1(FileName)) {}

BestResults ResultsFile::load() const
{
    return BestResults::fromJson(m_file.read(BestResults::MaxFileBytes));
}

void ResultsFile::store(const BestResults &results) const
{
    m_file.write(results.toJson());
}
