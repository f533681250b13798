#include "BestResults.h"

#include "JsonFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

const char *const BoardKeys[BestResults::Boards] = {"small", "large"};
const QLatin1String VersionKey("version");
const QLatin1String TimeKey("time_ms");
const QLatin1String PressesKey("presses");
const QLatin1String WonKey("won");

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
    QJsonObject root;
    writeInto(root);
    return JsonFile::format(root, fileKeys());
}

QStringList BestResults::fileKeys()
{
    return {VersionKey, QLatin1String(BoardKeys[Small]), QLatin1String(BoardKeys[Large])};
}

void BestResults::writeInto(QJsonObject &root) const
{
    // A later version's file keeps its number: it knows what it wrote.
    if (root.value(VersionKey).toInt() < Version)
        root.insert(VersionKey, Version);
    for (int b = 0; b < Boards; ++b) {
        QJsonArray table;
        for (const Entry &e : m_tables[b]) {
            QJsonObject entry = e.more;
            entry.insert(TimeKey, double(e.ms));
            entry.insert(PressesKey, e.presses);
            entry.insert(WonKey, e.won.toUTC().toString(Qt::ISODateWithMs));
            table.append(entry);
        }
        root.insert(QLatin1String(BoardKeys[b]), table);
    }
}

namespace {

BestResults::Entry entryOf(const QJsonValue &value)
{
    QJsonObject o = value.toObject();
    BestResults::Entry e;
    e.ms = wholeNumber(o.take(TimeKey), 0, 86400000);
    e.presses = int(wholeNumber(o.take(PressesKey), 0, 10000000));
    e.won = QDateTime::fromString(o.take(WonKey).toString(), Qt::ISODateWithMs).toUTC();
    e.more = o;
    return e;
}

} // namespace

BestResults BestResults::fromObject(const QJsonObject &root)
{
    BestResults results;
    for (int b = 0; b < Boards; ++b) {
        for (const QJsonValue &value : root.value(QLatin1String(BoardKeys[b])).toArray())
            results.add(Board(b), entryOf(value));
    }
    return results;
}

BestResults BestResults::fromJson(const QByteArray &bytes)
{
    const QByteArray head = bytes.left(MaxFileBytes);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(head, &error);
    // A later version may add keys and fields; what this one knows of it is
    // read the same.
    if (error.error == QJsonParseError::NoError)
        return fromObject(document.object());
    BestResults results;
    // Cut or damaged: the entries that still stand whole on their lines, in
    // the table whose key came last before them.
    int board = -1;
    for (const QByteArray &raw : head.split('\n')) {
        QByteArray line = raw.trimmed();
        if (line.endsWith(','))
            line.chop(1);
        // Another key's array holds no entries of a board.
        if (line.startsWith('"') && line.contains("\": "))
            board = -1;
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
