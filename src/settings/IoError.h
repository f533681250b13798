#pragma once

#include <stdexcept>
#include <string>

#include <QString>

// A failure to write the settings file, with the runtime's text for it.
class IoError : public std::runtime_error
{
public:
    explicit IoError(const QString &message) : std::runtime_error(message.toStdString()) {}

    // The text for an errno value: the usual file errors by name, any other
    // as "I/O error N".
    static QString textFor(int errorNumber);
};
