#pragma once

// The player's choices that the 568-byte record has no room for. They live
// in a file of their own beside it (PreferencesFile); a value the file lacks
// keeps the default given here.
struct Preferences
{
    bool ColorMarks = false; // Игра ▸ Метки цветов: revealed tiles show their colour's mark
    // Игра ▸ Соперник, in the menu's order: 0 nobody (the solitaire), 1 to 3
    // the computer from Лёгкий to Сильный, 4 a second player.
    int Opponent = 0;
    static constexpr int Opponents = 5;

    friend bool operator==(const Preferences &, const Preferences &) = default;
};
