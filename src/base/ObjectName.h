#pragma once

#include <QString>

// Gives a widget, action or timer its designer name as objectName, so that
// tests and debuggers find it by the name the code uses.
template<class T> T *named(T *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
