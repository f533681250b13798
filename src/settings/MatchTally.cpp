#include "MatchTally.h"

#include <cmath>
#include <limits>

namespace {

const char *const StrengthKeys[MatchTally::Strengths] = {"easy", "medium", "strong"};
const char *const ResultKeys[MatchTally::Results] = {"won", "lost", "drawn"};

} // namespace

void MatchTally::add(int strength, Result result)
{
    if (strength < 0 || strength >= Strengths)
        return;
    int &count = counts[strength][result];
    if (count < std::numeric_limits<int>::max())
        ++count;
}

MatchTally MatchTally::fromJson(const QJsonValue &value)
{
    MatchTally tally;
    const QJsonObject root = value.toObject();
    for (int s = 0; s < Strengths; ++s) {
        const QJsonObject counts = root.value(QLatin1String(StrengthKeys[s])).toObject();
        for (int r = 0; r < Results; ++r) {
            const double n = counts.value(QLatin1String(ResultKeys[r])).toDouble(0);
            if (n >= 0 && n <= std::numeric_limits<int>::max() && n == std::floor(n))
                tally.counts[s][r] = int(n);
        }
    }
    return tally;
}

QJsonObject MatchTally::toJson() const
{
    QJsonObject root;
    for (int s = 0; s < Strengths; ++s) {
        QJsonObject counts;
        for (int r = 0; r < Results; ++r)
            counts.insert(QLatin1String(ResultKeys[r]), this->counts[s][r]);
        root.insert(QLatin1String(StrengthKeys[s]), counts);
    }
    return root;
}
