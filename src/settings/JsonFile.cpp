#include "JsonFile.h"

#include "IoError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>

#include <cerrno>

namespace {

// Another copy holds the lock for a write of a few milliseconds; one that
// holds it longer has hung, and QLockFile takes over a lock whose owner has
// died.
constexpr int LockWaitMs = 5000;

QByteArray compact(const QJsonValue &value)
{
    // QJsonDocument holds only arrays and objects: the value goes in an
    // array, whose brackets are then cut off.
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2);
}

} // namespace

JsonFile::JsonFile(QString folder, QString name, qint64 maxBytes, QStringList firstKeys, Salvage salvage)
    : m_file(std::move(folder), std::move(name)), m_maxBytes(maxBytes), m_firstKeys(std::move(firstKeys)),
      m_salvage(std::move(salvage))
{
}

QJsonObject JsonFile::read(bool *whole) const
{
    // One byte past the limit tells a file that is too long.
    const QByteArray bytes = m_file.read(m_maxBytes + 1);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    // An empty file holds nothing to keep.
    const bool isWhole = bytes.isEmpty()
        || (bytes.size() <= m_maxBytes && error.error == QJsonParseError::NoError && document.isObject());
    if (whole)
        *whole = isWhole;
    if (isWhole)
        return document.object();
    return m_salvage ? m_salvage(bytes.left(m_maxBytes)) : QJsonObject();
}

QString JsonFile::update(const Change &change) const
{
    QLockFile lock(path() + QStringLiteral(".lock"));
    // Where no lock can be made (a folder the player cannot write, a full
    // disk) the write goes on alone: it reports its own failure, if any.
    if (!lock.tryLock(LockWaitMs) && lock.error() == QLockFile::LockFailedError)
        throw IoError(IoError::textFor(EBUSY));
    bool whole = true;
    QJsonObject object = read(&whole);
    if (!change(object))
        return {};
    const QString copy = whole ? QString() : m_file.copyAside();
    try {
        m_file.write(format(object, m_firstKeys));
    } catch (const IoError &) {
        if (!copy.isEmpty())
            QFile::remove(copy);
        throw;
    }
    return copy;
}

QByteArray JsonFile::format(const QJsonObject &object, const QStringList &firstKeys)
{
    QStringList keys;
    for (const QString &key : firstKeys) {
        if (object.contains(key))
            keys << key;
    }
    for (const QString &key : object.keys()) {
        if (!firstKeys.contains(key))
            keys << key;
    }
    QByteArray text = "{";
    for (const QString &key : keys) {
        const QJsonValue value = object.value(key);
        text += (text.size() == 1 ? "\n    " : ",\n    ") + compact(key) + ": ";
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.isEmpty()) {
            text += compact(value);
            continue;
        }
        text += "[";
        for (qsizetype i = 0; i < array.size(); ++i)
            text += (i == 0 ? "\n        " : ",\n        ") + compact(array[i]);
        text += "\n    ]";
    }
    return text + (object.isEmpty() ? "}\n" : "\n}\n");
}

QString JsonFile::setAsideText(const QString &path, const QString &copy)
{
    return QCoreApplication::translate("JsonFile", "Файл %1 не удалось прочитать целиком. Он сохранён как %2, "
                                                   "а новый файл начат с того, что удалось прочитать.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(copy));
}
