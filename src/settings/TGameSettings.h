#pragma once

#include "ShortString.h"
#include "TPanelStyle.h"

#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>

// The persistent record: 568 bytes, little-endian, the same layout in memory
// (on a little-endian machine) and in the file. The members mirror the file
// so that offsets can be checked at compile time; reading and writing go
// field by field through fromBytes() and toBytes(), never through memory.
struct TGameSettings
{
    static constexpr std::size_t FileSize = 568;

    std::uint8_t SmallBoard = 1;                // 1: the small board, 6 by 4; else the large one, 8 by 6
    std::uint8_t Cols = 6;                      // columns in play
    std::uint8_t Rows = 4;                      // rows in play
    std::uint8_t Reserved3 = 0;                 // kept as read
    std::int32_t BackColor = 0x00808080;        // the game page and the settings groups
    std::int32_t Gap = 1;                       // pixels between tiles and around the board, 0 to 15
    std::int32_t WinTop = 0;                    // the window's outer rectangle, frame included
    std::int32_t WinWidth = 0;
    std::int32_t WinHeight = 0;
    std::int32_t WinLeft = 0;
    std::uint8_t Maximized = 0;                 // 1: closed maximized; the rectangle is the normal one
    std::array<std::uint8_t, 3> Reserved29{};   // kept as read
    TPanelStyle HiddenStyle{0, 0, 2, 2, 2};     // the frame of a concealed tile
    std::array<std::uint8_t, 3> Reserved37{};   // kept as read
    std::int32_t HiddenColor = 0x00C0C0C0;      // the colour of a concealed tile
    TPanelStyle ShownStyle{0, 0, 3, 1, 2};      // the frame of a revealed tile
    std::array<std::uint8_t, 3> Reserved49{};   // kept as read
    std::int32_t ShownColor = 0x000000FF;       // the revealed sample's colour; stored, never applied
    ShortString MusicDir;                       // the folder of the music chosen last
    ShortString MusicFile;                      // the music chosen last, its full path

    QByteArray toBytes() const;
    // Reads the first record of data; false when data is shorter than one.
    static bool fromBytes(const QByteArray &data, TGameSettings &out);

    // False only for a concealed look without a bevel width, the mark of a
    // record that is not one. Fields out of their range do not make a record
    // invalid: mendOutOfRange() gives them their designed values, and the
    // board's columns and rows follow from SmallBoard (takeBoardFromSizeFlag).
    bool isValid() const;
    // A gap outside 0 to 15, a border style above 1 or a bevel cut above 3
    // takes its designed value; every other field stays as it is.
    void mendOutOfRange();
    // Columns and rows from the size flag: 6 by 4 for SmallBoard 1, else 8 by 6.
    void takeBoardFromSizeFlag();

    // Copies other over this record but keeps MusicDir and MusicFile.
    void assignKeepingMusic(const TGameSettings &other);

    friend bool operator==(const TGameSettings &, const TGameSettings &) = default;
};

static_assert(sizeof(TGameSettings) == TGameSettings::FileSize);
static_assert(offsetof(TGameSettings, SmallBoard) == 0);
static_assert(offsetof(TGameSettings, Cols) == 1);
static_assert(offsetof(TGameSettings, Rows) == 2);
static_assert(offsetof(TGameSettings, BackColor) == 4);
static_assert(offsetof(TGameSettings, Gap) == 8);
static_assert(offsetof(TGameSettings, WinTop) == 12);
static_assert(offsetof(TGameSettings, WinWidth) == 16);
static_assert(offsetof(TGameSettings, WinHeight) == 20);
static_assert(offsetof(TGameSettings, WinLeft) == 24);
static_assert(offsetof(TGameSettings, Maximized) == 28);
static_assert(offsetof(TGameSettings, HiddenStyle) == 32);
static_assert(offsetof(TGameSettings, HiddenColor) == 40);
static_assert(offsetof(TGameSettings, ShownStyle) == 44);
static_assert(offsetof(TGameSettings, ShownColor) == 52);
static_assert(offsetof(TGameSettings, MusicDir) == 56);
static_assert(offsetof(TGameSettings, MusicFile) == 312);
