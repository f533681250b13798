#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// One length byte and 255 bytes of text. Bytes past the length are kept as
// they were read, so a record written back is the record that was read.
struct ShortString
{
    std::uint8_t Length = 0;
    std::array<char, 255> Text{};

    QByteArray bytes() const;
    // Native file-name bytes of the path, cut to 255 bytes without splitting
    // a UTF-8 sequence.
    void assignPath(const QString &path);
    QString path() const;

    friend bool operator==(const ShortString &, const ShortString &) = default;
};
static_assert(sizeof(ShortString) == 256);
