#pragma once

#include <stdexcept>
#include <string>

// A failure of the media player: a file it cannot play, or a command given
// while no file is open.
class EMCIDeviceError : public std::runtime_error
{
public:
    explicit EMCIDeviceError(const std::string &message) : std::runtime_error(message) {}
};
