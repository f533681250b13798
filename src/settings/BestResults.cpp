#include "BestResults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

const char *const BoardKeys[BestResults::Boards] = {"small", "large"};

// A whole number of a JSON value within bounds, or -1.
qint64 wholeNumber(const QJsonValue &value, qint64 least, qint64 most)
{
    if (!value.isDouble())
        return -1;
    const double d = value.toDouble();
    if (!(d >= double(least) && d <= double(most)) || std::floor(d) != d)
        return -1;
    return qint64(d);
}

} // namespace

bool BestResults::boardOf(int cols, int rows, Board &board)
{
    if (cols == 6 && rows == 4)
        board = Small;
    else if (cols == 8 && rows == 6)
        board = Large;
    else
        return false;
    return true;
}

bool BestResults::isPlausible(Board board, const Entry &entry)
{
    const int tiles = board == Small ? 24 : 48;
    // The clock counts less than a day: past midnight it counts the day
    // that wrapped, once.
    return entry.ms >= 0 && entry.ms < 86400000 && entry.presses >= tiles && entry.presses <= 10000000
        && entry.won.isValid();
}

bool BestResults::ranksBefore(const Entry &a, const Entry &b)
{
    if (a.ms / 1000 != b.ms / 1000)
        return a.ms / 1000 < b.ms / 1000;
    if (a.presses != b.presses)
        return a.presses < b.presses;
    return a.won < b.won;
}

int BestResults::add(Board board, const Entry &entry)
{
    if (!isPlausible(board, entry))
        return 0;
    QList<Entry> &table = m_tables[board];
    const auto at = std::upper_bound(table.begin(), table.end(), entry, &BestResults::ranksBefore);
    const int place = int(at - table.begin()) + 1;
    if (place > Kept)
        return 0;
    table.insert(at, entry);
    if (table.size() > Kept)
        table.removeLast();
    return place;
}

void BestResults::reset(Board board)
{
    m_tables[board].clear();
}

QByteArray BestResults::toJson() const
{
    QByteArray text = "{\n    \"version\": " + QByteArray::number(Version);
    for (int b = 0; b < Boards; ++b) {
        text += ",\n    \"" + QByteArray(BoardKeys[b]) + "\": [";
        const QList<Entry> &table = m_tables[b];
        for (int i = 0; i < table.size(); ++i) {
            const QJsonObject entry{
                {QStringLiteral("time_ms"), double(table[i].ms)},
                {QStringLiteral("presses"), table[i].presses},
                {QStringLiteral("won"), table[i].won.toUTC().toString(Qt::ISODateWithMs)}};
            text += (i == 0 ? "\n        " : ",\n        ") + QJsonDocument(entry).toJson(QJsonDocument::Compact);
        }
        text += table.isEmpty() ? "]" : "\n    ]";
    }
    return text + "\n}\n";
}

bool BestResults::usesKey(const QString &key)
{
    return key == QLatin1String("version") || key == QLatin1String(BoardKeys[Small])
        || key == QLatin1String(BoardKeys[Large]);
}

BestResults BestResults::fromJson(const QByteArray &bytes)
{
    BestResults results;
    const auto entryOf = [](const QJsonValue &value) {
        const QJsonObject o = value.toObject();
        Entry e;
        e.ms = wholeNumber(o.value(QLatin1String("time_ms")), 0, 86400000);
        e.presses = int(wholeNumber(o.value(QLatin1String("presses")), 0, 10000000));
        e.won = QDateTime::fromString(o.value(QLatin1String("won")).toString(), Qt::ISODateWithMs).toUTC();
        return e;
    };
    const QByteArray head = bytes.left(MaxFileBytes);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(head, &error);
    if (error.error == QJsonParseError::NoError) {
        // A later version may add keys and fields; what this one knows of it
        // is read the same.
        const QJsonObject root = document.object();
        for (int b = 0; b < Boards; ++b) {
            for (const QJsonValue &value : root.value(QLatin1String(BoardKeys[b])).toArray())
                results.add(Board(b), entryOf(value));
        }
        return results;
    }
    // Cut or damaged: the entries that still stand whole on their lines, in
    // the table whose key came last before them.
    int board = -1;
    for (const QByteArray &raw : head.split('\n')) {
        QByteArray line = raw.trimmed();
        if (line.endsWith(','))
            line.chop(1);
        qsizetype keyAt = -1;
        for (int b = 0; b < Boards; ++b) {
            const qsizetype at = line.lastIndexOf('"' + QByteArray(BoardKeys[b]) + '"');
            if (at > keyAt) {
                keyAt = at;
                board = b;
            }
        }
        if (board >= 0 && line.startsWith('{') && line.endsWith('}')) {
            const QJsonDocument entry = QJsonDocument::fromJson(line);
            if (entry.isObject())
                results.add(Board(board), entryOf(entry.object()));
        }
    }
    return results;
}
