// libFuzzer target: any bytes of any length given to the settings loader
// give either nothing (the defaults) or a record whose every field is in
// range, and the record read back is the bytes it came from.

#include "settings/SettingsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto record = SettingsFile::parse(bytes);
    if (!record)
        return 0;
    const TGameSettings &s = *record;
    const bool boardOk = (s.SmallBoard == 1 && s.Cols == 6 && s.Rows == 4)
        || (s.SmallBoard == 0 && s.Cols == 8 && s.Rows == 6);
    const auto styleOk = [](const TPanelStyle &st) {
        return st.BorderStyle <= 1 && st.BevelInner <= 3 && st.BevelOuter <= 3;
    };
    if (size < TGameSettings::FileSize || !boardOk || s.Gap < 0 || s.Gap > 15
        || s.HiddenStyle.BevelWidth == 0 || !styleOk(s.HiddenStyle) || !styleOk(s.ShownStyle)
        || s.toBytes() != bytes.left(TGameSettings::FileSize))
        std::abort();
    // The music paths decode whatever bytes they hold.
    (void)s.MusicDir.path();
    (void)s.MusicFile.path();
    return 0;
}
