#pragma once

#include <QJsonObject>
#include <QJsonValue>

#include <array>

// The boards played against the computer: the player's wins, losses and
// draws at each of its strengths, from Лёгкий to Сильный. "Results.json"
// keeps it under the key "matches".
struct MatchTally
{
    enum Result { Won, Lost, Drawn };
    static constexpr int Strengths = 3;
    static constexpr int Results = 3;
    static constexpr const char *Key = "matches";

    std::array<std::array<int, Results>, Strengths> counts{};

    void add(int strength, Result result);
    // What the value holds that can be read: a count missing, negative or
    // not a whole number counts 0.
    static MatchTally fromJson(const QJsonValue &value);
    QJsonObject toJson() const;

    friend bool operator==(const MatchTally &, const MatchTally &) = default;
};
