#pragma once

#include "StoredFile.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

// A file beside the record that holds one JSON object ("Results.json",
// "Preferences.json") and that two copies of the game in one folder may
// change at the same time.
//
// update() is the one way to change such a file. Under the lock beside it
// ("Results.json.lock") it reads the object as the file holds it NOW, lets
// the caller change the keys it owns, and writes the object back, so an
// entry another copy wrote a moment ago is kept, and keys, and fields of
// entries, that this version does not know are written back as they were.
// A new section is a key of its own, changed the same way:
//
//     resultsFile.update([&](QJsonObject &root) {
//         QJsonObject tally = root.value(QLatin1String("matches")).toObject();
//         tally.insert(QLatin1String("won"), tally.value(QLatin1String("won")).toInt() + 1);
//         root.insert(QLatin1String("matches"), tally);
//         return true;
//     });
class JsonFile
{
public:
    // What the bytes of a file that is not one whole JSON object still give.
    using Salvage = std::function<QJsonObject(const QByteArray &bytes)>;
    // Changes the object as the file holds it now; false: nothing to write.
    using Change = std::function<bool(QJsonObject &object)>;

    // firstKeys: the keys written first, in this order; the others follow
    // in alphabetical order.
    JsonFile(QString folder, QString name, qint64 maxBytes, QStringList firstKeys = {}, Salvage salvage = {});

    QString path() const { return m_file.path(); }

    // The object the file holds now: empty when it is missing or not a
    // regular file, salvaged when it is there but is not one JSON object of
    // at most maxBytes (whole is false then). Never throws.
    QJsonObject read(bool *whole = nullptr) const;

    // Under the lock, the file as it is now changed by change. A file that
    // is not whole is first kept as a copy beside it with the date in its
    // name, and the change gets what could be salvaged of it; the copy's
    // path is returned (empty when there was none). Throws IoError, and
    // then the file is byte for byte as it was and no copy is left.
    QString update(const Change &change) const;

    // An object as the file's text: a key a line, and an array an element a
    // line, so a damaged file can still be read line by line.
    static QByteArray format(const QJsonObject &object, const QStringList &firstKeys = {});
    // What the player is told once when update() kept a file aside.
    static QString setAsideText(const QString &path, const QString &copy);

private:
    StoredFile m_file;
    qint64 m_maxBytes;
    QStringList m_firstKeys;
    Salvage m_salvage;
};
