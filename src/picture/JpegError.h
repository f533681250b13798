#pragma once

#include <stdexcept>
#include <string>

// A failure of the JPEG library, named by the library's message code.
class JpegError : public std::runtime_error
{
public:
    explicit JpegError(int code)
        : std::runtime_error("JPEG error #" + std::to_string(code)), m_code(code) {}

    int code() const { return m_code; }

private:
    int m_code;
};
