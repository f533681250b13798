#include "TGameSettings.h"

#include <algorithm>
#include <cstring>

namespace {

class Writer
{
public:
    explicit Writer(QByteArray &out) : m_out(out) {}
    void u8(std::uint8_t v) { m_out.append(char(v)); }
    void i32(std::int32_t v)
    {
        const auto u = std::uint32_t(v);
        for (int shift = 0; shift < 32; shift += 8)
            u8(std::uint8_t(u >> shift));
    }
    template<std::size_t N> void bytes(const std::array<std::uint8_t, N> &a)
    {
        for (auto b : a)
            u8(b);
    }
    void style(const TPanelStyle &s)
    {
        u8(s.BorderStyle);
        u8(s.BorderWidth);
        u8(s.BevelWidth);
        u8(s.BevelInner);
        u8(s.BevelOuter);
    }
    void shortString(const ShortString &s)
    {
        u8(s.Length);
        m_out.append(s.Text.data(), qsizetype(s.Text.size()));
    }

private:
    QByteArray &m_out;
};

class Reader
{
public:
    explicit Reader(const QByteArray &in) : m_in(in) {}
    std::uint8_t u8() { return std::uint8_t(m_in[m_pos++]); }
    std::int32_t i32()
    {
        std::uint32_t u = 0;
        for (int shift = 0; shift < 32; shift += 8)
            u |= std::uint32_t(u8()) << shift;
        return std::int32_t(u);
    }
    template<std::size_t N> void bytes(std::array<std::uint8_t, N> &a)
    {
        for (auto &b : a)
            b = u8();
    }
    void style(TPanelStyle &s)
    {
        s.BorderStyle = u8();
        s.BorderWidth = u8();
        s.BevelWidth = u8();
        s.BevelInner = u8();
        s.BevelOuter = u8();
    }
    void shortString(ShortString &s)
    {
        s.Length = u8();
        std::memcpy(s.Text.data(), m_in.constData() + m_pos, s.Text.size());
        m_pos += qsizetype(s.Text.size());
    }

private:
    const QByteArray &m_in;
    qsizetype m_pos = 0;
};

// A style byte the panel cannot show takes the designed value alone; the
// widths are shown whatever they are.
void mendStyle(TPanelStyle &s, const TPanelStyle &designed)
{
    if (s.BorderStyle > 1)
        s.BorderStyle = designed.BorderStyle;
    if (s.BevelInner > 3)
        s.BevelInner = designed.BevelInner;
    if (s.BevelOuter > 3)
        s.BevelOuter = designed.BevelOuter;
}

} // namespace

QByteArray TGameSettings::toBytes() const
{
    QByteArray out;
    out.reserve(FileSize);
    Writer w(out);
    w.u8(SmallBoard);
    w.u8(Cols);
    w.u8(Rows);
    w.u8(Reserved3);
    w.i32(BackColor);
    w.i32(Gap);
    w.i32(WinTop);
    w.i32(WinWidth);
    w.i32(WinHeight);
    w.i32(WinLeft);
    w.u8(Maximized);
    w.bytes(Reserved29);
    w.style(HiddenStyle);
    w.bytes(Reserved37);
    w.i32(HiddenColor);
    w.style(ShownStyle);
    w.bytes(Reserved49);
    w.i32(ShownColor);
    w.shortString(MusicDir);
    w.shortString(MusicFile);
    Q_ASSERT(out.size() == qsizetype(FileSize));
    return out;
}

bool TGameSettings::fromBytes(const QByteArray &data, TGameSettings &out)
{
    if (data.size() < qsizetype(FileSize))
        return false;
    Reader r(data);
    out.SmallBoard = r.u8();
    out.Cols = r.u8();
    out.Rows = r.u8();
    out.Reserved3 = r.u8();
    out.BackColor = r.i32();
    out.Gap = r.i32();
    out.WinTop = r.i32();
    out.WinWidth = r.i32();
    out.WinHeight = r.i32();
    out.WinLeft = r.i32();
    out.Maximized = r.u8();
    r.bytes(out.Reserved29);
    r.style(out.HiddenStyle);
    r.bytes(out.Reserved37);
    out.HiddenColor = r.i32();
    r.style(out.ShownStyle);
    r.bytes(out.Reserved49);
    out.ShownColor = r.i32();
    r.shortString(out.MusicDir);
    r.shortString(out.MusicFile);
    return true;
}

bool TGameSettings::isValid() const
{
    return HiddenStyle.BevelWidth != 0;
}

void TGameSettings::mendOutOfRange()
{
    const TGameSettings designed;
    if (Gap < 0 || Gap > 15)
        Gap = designed.Gap;
    mendStyle(HiddenStyle, designed.HiddenStyle);
    mendStyle(ShownStyle, designed.ShownStyle);
}

void TGameSettings::takeBoardFromSizeFlag()
{
    const bool small = SmallBoard == 1;
    Cols = small ? 6 : 8;
    Rows = small ? 4 : 6;
}

void TGameSettings::assignKeepingMusic(const TGameSettings &other)
{
    const ShortString dir = MusicDir;
    const ShortString file = MusicFile;
    *this = other;
    MusicDir = dir;
    MusicFile = file;
}
