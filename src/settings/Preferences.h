#pragma once

// The player's choices that the 568-byte record has no room for. They live
// in a file of their own beside it (PreferencesFile); a value the file lacks
// keeps the default given here.
struct Preferences
{
    bool ColorMarks = false; // Игра ▸ Метки цветов: revealed tiles show their colour's mark

    friend bool operator==(const Preferences &, const Preferences &) = default;
};
