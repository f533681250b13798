#include "ShortString.h"

#include <QFile>

#include <algorithm>
#include <cstring>

QByteArray ShortString::bytes() const
{
    return QByteArray(Text.data(), Length);
}

void ShortString::assignPath(const QString &path)
{
    QByteArray native = QFile::encodeName(path);
    qsizetype n = std::min<qsizetype>(native.size(), qsizetype(Text.size()));
    // Step back over UTF-8 continuation bytes so a character is never split.
    if (n < native.size()) {
        while (n > 0 && (std::uint8_t(native[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(Text.data(), native.constData(), std::size_t(n));
    Length = std::uint8_t(n);
}

QString ShortString::path() const
{
    return QFile::decodeName(bytes());
}
