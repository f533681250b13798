#include "ResultsFile.h"

ResultsFile::ResultsFile(const QString &folder)
    : m_file(folder, QString::fromLatin1(FileName), BestResults::MaxFileBytes, BestResults::fileKeys(),
             [](const QByteArray &bytes) {
          QJsonObject salvaged;
          BestResults::fromJson(bytes).writeInto(salvaged);
          return salvaged;
      })
{
}

BestResults ResultsFile::load() const
{
    return BestResults::fromObject(m_file.read());
}

QString ResultsFile::updateTables(const std::function<void(BestResults &)> &edit) const
{
    return m_file.update([&edit](QJsonObject &root) {
        BestResults tables = BestResults::fromObject(root);
        edit(tables);
        tables.writeInto(root);
        return true;
    });
}

void ResultsFile::store(const BestResults &results) const
{
    updateTables([&results](BestResults &tables) { tables = results; });
}

MatchTally ResultsFile::loadTally() const
{
    return MatchTally::fromJson(m_file.read().value(QLatin1String(MatchTally::Key)));
}

QString ResultsFile::updateTally(const std::function<void(MatchTally &)> &edit) const
{
    return m_file.update([&edit](QJsonObject &object) {
        MatchTally tally = MatchTally::fromJson(object.value(QLatin1String(MatchTally::Key)));
        edit(tally);
        object.insert(QLatin1String(MatchTally::Key), tally.toJson());
        return true;
    });
}
