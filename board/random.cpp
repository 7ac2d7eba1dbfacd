#include "board/random.h"

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <cmath>

namespace getalveld {

namespace {

unsigned long long splitmix(unsigned long long &x)
{
    unsigned long long z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

unsigned long long rotl(unsigned long long x, int k) { return (x << k) | (x >> (64 - k)); }

std::unique_ptr<RandomSource> &current()
{
    static std::unique_ptr<RandomSource> source = std::make_unique<ClockRandom>();
    return source;
}

} // namespace

ClockRandom::ClockRandom() { reseed(); }

void ClockRandom::reseed()
{
    static std::atomic<unsigned long long> counter{0};
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    unsigned long long seed = static_cast<unsigned long long>(ticks) ^ rotl(++counter, 32)
                              ^ reinterpret_cast<unsigned long long>(this);
    for (auto &word : m_state)
        word = splitmix(seed);
}

double ClockRandom::next()
{
    // xoshiro256**: 53 random bits give an r in [0, 1).
    unsigned long long *s = m_state;
    const unsigned long long result = rotl(s[1] * 5, 7) * 9;
    const unsigned long long t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotl(s[3], 45);
    return double(result >> 11) * 0x1.0p-53;
}

double ScriptedRandom::next()
{
    if (m_next >= m_values.size()) {
        qWarning("ScriptedRandom: no scripted value left");
        return 0.0;
    }
    return m_values[m_next++];
}

RandomSource &randomSource() { return *current(); }

std::unique_ptr<RandomSource> setRandomSource(std::unique_ptr<RandomSource> source)
{
    auto old = std::move(current());
    current() = source ? std::move(source) : std::make_unique<ClockRandom>();
    return old;
}

int drawInt(double r, int n, int base) { return int(std::floor(r * n + base)); }

} // namespace getalveld
