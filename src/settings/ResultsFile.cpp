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
