#pragma once

#include <cstdint>

class QTime;

// The program's one random generator: a 32-bit linear congruential state.
class Random
{
public:
    explicit Random(std::uint32_t seed = 0) : m_state(seed) {}

    // The seed for a UTC time of day: milliseconds since midnight.
    static std::uint32_t seedFor(const QTime &utcTimeOfDay);

    void seed(std::uint32_t state) { m_state = state; }
    std::uint32_t state() const { return m_state; }

    // A number from 0 to n - 1: the high half of the 64-bit product of the
    // advanced state and n.
    std::uint32_t operator()(std::uint32_t n)
    {
        m_state = m_state * 0x08088405u + 1u;
        return std::uint32_t((std::uint64_t(m_state) * n) >> 32);
    }

private:
    std::uint32_t m_state;
};
