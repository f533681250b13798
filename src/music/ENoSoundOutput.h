#pragma once

#include "EMCIDeviceError.h"

// The file could not be played because no sound output opens: the sound
// server is not running, or the device is gone.
class ENoSoundOutput : public EMCIDeviceError
{
public:
    explicit ENoSoundOutput(const std::string &message) : EMCIDeviceError(message) {}
};
