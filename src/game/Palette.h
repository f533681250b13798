#pragma once

#include "base/MarkFigure.h"
#include "base/TColor.h"

#include <QCoreApplication>
#include <QString>

#include <array>

// The 24 colours of the game, laid on the first three rows of the board
// before the shuffle, each with the name a screen reader speaks for it and
// the mark a revealed tile shows when the player asks for marks. Names and
// marks tell every colour from every other one without seeing colour; no
// mark is another one turned or moved.
namespace Palette {

constexpr int Rows = 3;
constexpr int Cols = 8;
constexpr int Count = Rows * Cols;

struct Entry
{
    TColor color;
    const char *name; // UTF-8, lower case, as it stands in a sentence; untranslated
    MarkFigure mark;
};

using F = MarkFigure;

constexpr std::array<Entry, Count> Entries{{
    // The first row of the deal.
    {rgbColor(0, 0, 0), QT_TRANSLATE_NOOP("Palette", "чёрный"), F::fromText({
        ".........",
        ".#######.",
        ".#######.",
        ".#######.",
        ".#######.",
        ".#######.",
        ".#######.",
        ".#######.",
        "........."})}, // a square
    {rgbColor(0, 0, 155), QT_TRANSLATE_NOOP("Palette", "тёмно-синий"), F::fromText({
        "#########",
        "#.......#",
        "#.......#",
        "#.......#",
        "#.......#",
        "#.......#",
        "#.......#",
        "#.......#",
        "#########"})}, // a frame
    {rgbColor(0, 0, 255), QT_TRANSLATE_NOOP("Palette", "синий"), F::fromText({
        "...###...",
        ".#######.",
        ".#######.",
        "#########",
        "#########",
        "#########",
        ".#######.",
        ".#######.",
        "...###..."})}, // a disc
    {rgbColor(0, 155, 0), QT_TRANSLATE_NOOP("Palette", "тёмно-зелёный"), F::fromText({
        "...###...",
        ".##...##.",
        ".#.....#.",
        "#.......#",
        "#.......#",
        "#.......#",
        ".#.....#.",
        ".##...##.",
        "...###..."})}, // a ring
    {rgbColor(0, 155, 155), QT_TRANSLATE_NOOP("Palette", "тёмно-бирюзовый"), F::fromText({
        "....#....",
        "....#....",
        "...###...",
        "...###...",
        "..#####..",
        "..#####..",
        ".#######.",
        ".#######.",
        "#########"})}, // a triangle
    {rgbColor(255, 255, 0), QT_TRANSLATE_NOOP("Palette", "жёлтый"), F::fromText({
        "...###...",
        "...###...",
        "...###...",
        "#########",
        "#########",
        "#########",
        "...###...",
        "...###...",
        "...###..."})}, // a plus
    {rgbColor(0, 255, 0), QT_TRANSLATE_NOOP("Palette", "ярко-зелёный"), F::fromText({
        "#...#...#",
        ".#..#..#.",
        "..#.#.#..",
        "...###...",
        "#########",
        "...###...",
        "..#.#.#..",
        ".#..#..#.",
        "#...#...#"})}, // a star of eight rays
    {rgbColor(255, 230, 130), QT_TRANSLATE_NOOP("Palette", "песочный"), F::fromText({
        ".........",
        ".##...##.",
        "####.####",
        "#########",
        "#########",
        ".#######.",
        "..#####..",
        "...###...",
        "....#...."})}, // a heart
    // The second row.
    {rgbColor(0, 255, 255), QT_TRANSLATE_NOOP("Palette", "бирюзовый"), F::fromText({
        "#########",
        "#.......#",
        "#.......#",
        "#..###..#",
        "#..###..#",
        "#..###..#",
        "#.......#",
        "#.......#",
        "#########"})}, // a frame round a block
    {rgbColor(155, 0, 0), QT_TRANSLATE_NOOP("Palette", "тёмно-красный"), F::fromText({
        "...###...",
        ".##...##.",
        ".#.....#.",
        "#...#...#",
        "#..###..#",
        "#...#...#",
        ".#.....#.",
        ".##...##.",
        "...###..."})}, // a ring round a dot
    {rgbColor(155, 0, 155), QT_TRANSLATE_NOOP("Palette", "фиолетовый"), F::fromText({
        ".........",
        "#########",
        "#########",
        ".........",
        ".........",
        ".........",
        "#########",
        "#########",
        "........."})}, // two bars
    {rgbColor(255, 255, 255), QT_TRANSLATE_NOOP("Palette", "белый"), F::fromText({
        ".........",
        "#########",
        ".........",
        ".........",
        "#########",
        ".........",
        ".........",
        "#########",
        "........."})}, // three lines
    {rgbColor(155, 155, 0), QT_TRANSLATE_NOOP("Palette", "оливковый"), F::fromText({
        "##.....##",
        "##.....##",
        "##.....##",
        "#########",
        "#########",
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##"})}, // an H
    {rgbColor(155, 155, 155), QT_TRANSLATE_NOOP("Palette", "серый"), F::fromText({
        "#########",
        "#########",
        "...###...",
        "...###...",
        "...###...",
        "...###...",
        "...###...",
        "...###...",
        "...###..."})}, // a T
    {rgbColor(155, 155, 255), QT_TRANSLATE_NOOP("Palette", "васильковый"), F::fromText({
        "....#....",
        "...###...",
        "..#####..",
        ".#######.",
        "#########",
        "...###...",
        "...###...",
        "...###...",
        "...###..."})}, // an arrow
    {rgbColor(100, 100, 100), QT_TRANSLATE_NOOP("Palette", "тёмно-серый"), F::fromText({
        "#########",
        ".#######.",
        "..#####..",
        "...###...",
        "....#....",
        "...###...",
        "..#####..",
        ".#######.",
        "#########"})}, // an hourglass
    // The third row.
    {rgbColor(155, 255, 155), QT_TRANSLATE_NOOP("Palette", "светло-зелёный"), F::fromText({
        "#########",
        "#...#...#",
        "#...#...#",
        "#...#...#",
        "#########",
        "#...#...#",
        "#...#...#",
        "#...#...#",
        "#########"})}, // a window of four panes
    {rgbColor(200, 200, 255), QT_TRANSLATE_NOOP("Palette", "лавандовый"), F::fromText({
        "###...###",
        "###...###",
        "###...###",
        "...###...",
        "...###...",
        "...###...",
        "###...###",
        "###...###",
        "###...###"})}, // five dots
    {rgbColor(255, 0, 0), QT_TRANSLATE_NOOP("Palette", "красный"), F::fromText({
        "#########",
        "#####...#",
        "#####...#",
        "#####...#",
        "#####...#",
        "#####...#",
        "#####...#",
        "#####...#",
        "#########"})}, // a half-filled square
    {rgbColor(255, 0, 155), QT_TRANSLATE_NOOP("Palette", "малиновый"), F::fromText({
        "###......",
        "###......",
        "###......",
        ".........",
        ".........",
        ".........",
        "......###",
        "......###",
        "......###"})}, // two dots
    {rgbColor(255, 0, 255), QT_TRANSLATE_NOOP("Palette", "пурпурный"), F::fromText({
        "###...###",
        "###...###",
        "###...###",
        ".........",
        ".........",
        ".........",
        "###...###",
        "###...###",
        "###...###"})}, // four dots
    {rgbColor(255, 155, 0), QT_TRANSLATE_NOOP("Palette", "оранжевый"), F::fromText({
        "###......",
        "###......",
        "###......",
        "...###...",
        "...###...",
        "...###...",
        "......###",
        "......###",
        "......###"})}, // three dots
    {rgbColor(255, 155, 155), QT_TRANSLATE_NOOP("Palette", "розовый"), F::fromText({
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##",
        "##.....##",
        "#########",
        ".#######."})}, // a U
    {rgbColor(255, 170, 255), QT_TRANSLATE_NOOP("Palette", "светло-пурпурный"), F::fromText({
        "##.......",
        "##.......",
        "##.......",
        "##.......",
        "##.......",
        "##.......",
        "##.......",
        "#########",
        "#########"})}, // an L
}};

// The colours alone, in the rows the deal lays them in.
constexpr std::array<std::array<TColor, Cols>, Rows> Colors = [] {
    std::array<std::array<TColor, Cols>, Rows> colors{};
    for (int i = 0; i < Count; ++i)
        colors[i / Cols][i % Cols] = Entries[i].color;
    return colors;
}();

// The entry of a colour of the palette; null for any other colour.
constexpr const Entry *find(TColor color)
{
    for (const Entry &e : Entries) {
        if (e.color == color)
            return &e;
    }
    return nullptr;
}

// The name in the language of the interface.
inline QString name(const Entry &entry)
{
    return QCoreApplication::translate("Palette", entry.name);
}

} // namespace Palette
