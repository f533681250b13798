// libFuzzer target: any bytes of any length given to the settings loader
// give either nothing (the defaults, only for a short record or a concealed
// look without a bevel width) or a record whose every field is in range, and
// the record read back is the bytes it came from but for the board's columns
// and rows, which follow the size flag, and each field that was out of range,
// which alone takes its designed value.
// The same bytes read as the results file give tables of at most ten
// plausible entries each, in their order, that are written and read back
// unchanged.

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
    const bool whole = size >= TGameSettings::FileSize;
    if (!record) {
        if (whole && data[34] != 0)
            std::abort(); // only a missing bevel width rejects a whole record
        return 0;
    }
    const TGameSettings &s = *record;
    const bool boardOk = s.SmallBoard == 1 ? s.Cols == 6 && s.Rows == 4 : s.Cols == 8 && s.Rows == 6;
    // What the loader must have made of the bytes: each field out of range
    // and nothing else replaced by its designed value.
    const TGameSettings designed;
    QByteArray expected = bytes.left(TGameSettings::FileSize);
    expected[1] = char(s.Cols);
    expected[2] = char(s.Rows);
    const std::int32_t gap = std::int32_t(std::uint32_t(data[8]) | std::uint32_t(data[9]) << 8
                                          | std::uint32_t(data[10]) << 16 | std::uint32_t(data[11]) << 24);
    if (gap < 0 || gap > 15) {
        for (int i = 0; i < 4; ++i)
            expected[8 + i] = char(std::uint32_t(designed.Gap) >> (8 * i));
    }
    const auto mend = [&](int at, const TPanelStyle &d) {
        const std::uint8_t limits[5] = {1, 255, 255, 3, 3};
        const std::uint8_t designedBytes[5] = {d.BorderStyle, d.BorderWidth, d.BevelWidth, d.BevelInner, d.BevelOuter};
        for (int i = 0; i < 5; ++i) {
            if (data[at + i] > limits[i])
                expected[at + i] = char(designedBytes[i]);
        }
    };
    mend(32, designed.HiddenStyle);
    mend(44, designed.ShownStyle);
    if (!whole || !boardOk || s.HiddenStyle.BevelWidth == 0 || s.toBytes() != expected)
        std::abort();
    // The music paths decode whatever bytes they hold.
    (void)s.MusicDir.path();
    (void)s.MusicFile.path();
    return 0;
}
