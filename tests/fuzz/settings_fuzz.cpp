// libFuzzer target: any bytes of any length given to the settings loader
// give either nothing (the defaults) or a record whose every field is in
// range, and the record read back is the bytes it came from but for the
// board's columns and rows, which follow the size flag. The same bytes read
// as the results file give tables of at most ten plausible entries each, in
// their order, that are written and read back unchanged.

#include "settings/BestResults.h"
#include "settings/SettingsFile.h"

#include <algorithm>

#include <cstdint>
#include <cstdlib>

namespace {

void checkResults(const QByteArray &bytes)
{
    const BestResults results = BestResults::fromJson(bytes);
    for (int b = 0; b < BestResults::Boards; ++b) {
        const auto board = BestResults::Board(b);
        const auto &table = results.table(board);
        if (table.size() > BestResults::Kept
            || !std::is_sorted(table.begin(), table.end(), &BestResults::ranksBefore)
            || !std::all_of(table.begin(), table.end(),
                            [board](const auto &e) { return BestResults::isPlausible(board, e); }))
            std::abort();
    }
    if (!(BestResults::fromJson(results.toJson()) == results))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    checkResults(bytes);
    const auto record = SettingsFile::parse(bytes);
    if (!record)
        return 0;
    const TGameSettings &s = *record;
    const bool boardOk = s.SmallBoard == 1 ? s.Cols == 6 && s.Rows == 4 : s.Cols == 8 && s.Rows == 6;
    QByteArray expected = bytes.left(TGameSettings::FileSize);
    expected[1] = char(s.Cols);
    expected[2] = char(s.Rows);
    const auto styleOk = [](const TPanelStyle &st) {
        return st.BorderStyle <= 1 && st.BevelInner <= 3 && st.BevelOuter <= 3;
    };
    if (size < TGameSettings::FileSize || !boardOk || s.Gap < 0 || s.Gap > 15
        || s.HiddenStyle.BevelWidth == 0 || !styleOk(s.HiddenStyle) || !styleOk(s.ShownStyle)
        || s.toBytes() != expected)
        std::abort();
    // The music paths decode whatever bytes they hold.
    (void)s.MusicDir.path();
    (void)s.MusicFile.path();
    return 0;
}
