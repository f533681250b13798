#include "PreferencesFile.h"

#include <QJsonDocument>

namespace {

const QString ColorMarksKey = QStringLiteral("colorMarks");
const QString OpponentKey = QStringLiteral("opponent");
// The opponents by name, so that the file reads plainly.
const char *const OpponentNames[Preferences::Opponents] = {"nobody", "computerEasy", "computerMedium",
                                                           "computerStrong", "secondPlayer"};

} // namespace

PreferencesFile::PreferencesFile(QString folder)
    : m_file(std::move(folder), QString::fromLatin1(FileName))
{
}

QJsonObject PreferencesFile::stored() const
{
    // A file cut off at the limit no longer parses, so it counts as damaged.
    return QJsonDocument::fromJson(m_file.read(MaxBytes)).object();
}

Preferences PreferencesFile::load() const
{
    const QJsonObject object = stored();
    Preferences preferences;
    const QJsonValue marks = object.value(ColorMarksKey);
    if (marks.isBool())
        preferences.ColorMarks = marks.toBool();
    const QString opponent = object.value(OpponentKey).toString();
    for (int i = 0; i < Preferences::Opponents; ++i)
        if (opponent == QLatin1String(OpponentNames[i]))
            preferences.Opponent = i;
    return preferences;
}

void PreferencesFile::store(const Preferences &preferences) const
{
    QJsonObject object = stored();
    object.insert(ColorMarksKey, preferences.ColorMarks);
    if (preferences.Opponent >= 0 && preferences.Opponent < Preferences::Opponents)
        object.insert(OpponentKey, QLatin1String(OpponentNames[preferences.Opponent]));
    m_file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
}
