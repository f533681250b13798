#include "ResultsFile.h"

#include <QJsonArray>
#include <QJsonDocument>

ResultsFile::ResultsFile(const QString &folder) : m_file(folder, QString::fromLatin1(FileName)) {}

BestResults ResultsFile::load() const
{
    return BestResults::fromJson(m_file.read(BestResults::MaxFileBytes));
}

void ResultsFile::store(const BestResults &results) const
{
    write(results, others());
}

MatchTally ResultsFile::loadTally() const
{
    return MatchTally::fromJson(
        QJsonDocument::fromJson(m_file.read(BestResults::MaxFileBytes)).object().value(QLatin1String(MatchTally::Key)));
}

void ResultsFile::storeTally(const MatchTally &tally) const
{
    QJsonObject keep = others();
    keep.insert(QLatin1String(MatchTally::Key), tally.toJson());
    write(load(), keep);
}

QJsonObject ResultsFile::others() const
{
    QJsonObject object = QJsonDocument::fromJson(m_file.read(BestResults::MaxFileBytes)).object();
    for (const QString &key : object.keys())
        if (BestResults::usesKey(key))
            object.remove(key);
    return object;
}

void ResultsFile::write(const BestResults &results, const QJsonObject &others) const
{
    // The best results keep their layout of an entry a line, which a cut
    // file is read back from; the other keys follow, a line each.
    QByteArray text = results.toJson();
    text.chop(3); // "\n}\n"
    for (auto it = others.begin(); it != others.end(); ++it) {
        const QByteArray value = QJsonDocument(QJsonArray{it.value()}).toJson(QJsonDocument::Compact);
        text += ",\n    " + QJsonDocument(QJsonArray{it.key()}).toJson(QJsonDocument::Compact).mid(1).chopped(1)
              + ": " + value.mid(1).chopped(1);
    }
    m_file.write(text + "\n}\n");
}
