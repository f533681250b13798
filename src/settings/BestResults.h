#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <array>

// The player's best wins: one table per board size, the ten best of each,
// and their readable form in the results file.
//
// A table is ranked by the time as the player sees it (whole seconds), then
// by presses, then by date, earlier first: a later win that only ties an
// entry ranks below it, and one that ties the tenth does not enter.
class BestResults
{
public:
    enum Board { Small, Large };
    static constexpr int Boards = 2;
    static constexpr int Kept = 10;
    // What a file may hold at most: ten times what a whole table takes.
    static constexpr qint64 MaxFileBytes = 64 * 1024;
    static constexpr int Version = 1;

    struct Entry
    {
        qint64 ms = 0;   // from the first press to the last removal
        int presses = 0;
        QDateTime won;   // when the last pair vanished, in UTC
        bool operator==(const Entry &other) const = default;
    };

    // The board of a size, if it is one of the two.
    static bool boardOf(int cols, int rows, Board &board);
    // An entry that a win on the board could have made: a time within the
    // day the clock can count, at least a press per tile, a date.
    static bool isPlausible(Board board, const Entry &entry);
    // Whether a ranks before b.
    static bool ranksBefore(const Entry &a, const Entry &b);

    const QList<Entry> &table(Board board) const { return m_tables[board]; }
    // Puts a win in its place and returns the place, 1 to 10, or 0 when it
    // is not among the ten best (nothing changes then).
    int add(Board board, const Entry &entry);
    void reset(Board board);
    bool operator==(const BestResults &other) const = default;

    // The file's text: a JSON object with the version and one array per
    // board, one entry a line, so a damaged file can be read line by line.
    QByteArray toJson() const;
    // Whatever of the bytes can be read: entries that are not plausible,
    // fields of the wrong type and keys it does not know are dropped; text
    // that is no longer JSON as a whole is read an entry a line.
    static BestResults fromJson(const QByteArray &bytes);
    // A key of the file's object that toJson writes.
    static bool usesKey(const QString &key);

private:
    std::array<QList<Entry>, Boards> m_tables;
};
