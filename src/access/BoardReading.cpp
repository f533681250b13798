#include "BoardReading.h"

#include <QObject>

BoardReading *BoardReading::of(const QObject *client)
{
    if (!client)
        return nullptr;
    for (QObject *child : client->children()) {
        if (auto *board = dynamic_cast<BoardReading *>(child))
            return board;
    }
    return nullptr;
}
