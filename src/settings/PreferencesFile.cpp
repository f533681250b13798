#include "PreferencesFile.h"

namespace {

const QString ColorMarksKey = QStringLiteral("colorMarks");
const QString OpponentKey = QStringLiteral("opponent");
// The opponents by name, so that the file reads plainly.
const char *const OpponentNames[Preferences::Opponents] = {"nobody", "computerEasy", "computerMedium",
                                                           "computerStrong", "secondPlayer"};
const QString LanguageKey = QStringLiteral("language");

} // namespace

PreferencesFile::PreferencesFile(QString folder)
    : m_file(std::move(folder), QString::fromLatin1(FileName), MaxBytes)
{
}

Preferences PreferencesFile::fromObject(const QJsonObject &object)
{
    Preferences preferences;
    const QJsonValue marks = object.value(ColorMarksKey);
    if (marks.isBool())
        preferences.ColorMarks = marks.toBool();
    const QString opponent = object.value(OpponentKey).toString();
    for (int i = 0; i < Preferences::Opponents; ++i)
        if (opponent == QLatin1String(OpponentNames[i]))
            preferences.Opponent = i;
    preferences.Language = object.value(LanguageKey).toString();
    return preferences;
}

void PreferencesFile::writeInto(const Preferences &preferences, QJsonObject &object)
{
    object.insert(ColorMarksKey, preferences.ColorMarks);
    if (preferences.Opponent >= 0 && preferences.Opponent < Preferences::Opponents)
        object.insert(OpponentKey, QLatin1String(OpponentNames[preferences.Opponent]));
    if (!preferences.Language.isEmpty())
        object.insert(LanguageKey, preferences.Language);
}

Preferences PreferencesFile::load() const
{
    // A file cut off at the limit no longer parses, so it counts as damaged.
    return fromObject(m_file.read());
}

QString PreferencesFile::update(const std::function<void(Preferences &)> &edit) const
{
    return m_file.update([&edit](QJsonObject &object) {
        const Preferences before = fromObject(object);
        Preferences after = before;
        edit(after);
        // Only the keys whose value edit changed are written.
        QJsonObject was;
        writeInto(before, was);
        QJsonObject is;
        writeInto(after, is);
        bool changed = false;
        for (auto it = is.begin(); it != is.end(); ++it) {
            if (was.value(it.key()) != it.value() || !object.contains(it.key())) {
                object.insert(it.key(), it.value());
                changed = true;
            }
        }
        return changed;
    });
}

void PreferencesFile::store(const Preferences &preferences) const
{
    m_file.update([&preferences](QJsonObject &object) {
        writeInto(preferences, object);
        return true;
    });
}
