#pragma once

#include <memory>
#include <vector>

namespace getalveld {

// The one source of random numbers. Screens reseed it at the start of every task and
// draw r values in [0, 1); tests put a source in its place that hands out scripted values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0;
};

// Seeded from a high-resolution clock mixed with a counter, so that two reseeds within
// one clock tick still give independent draws.
class ClockRandom : public RandomSource
{
public:
    ClockRandom();
    void reseed() override;
    double next() override;

private:
    unsigned long long m_state[4] = {};
};

// Hands out given r values in order, for tests and for screenshots of a known task.
// Running out of values is a mistake in the script, reported loudly; it then repeats 0.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<double> values) : m_values(std::move(values)) {}
    void reseed() override { ++m_reseeds; }
    double next() override;
    void push(std::vector<double> values) { m_values.insert(m_values.end(), values.begin(), values.end()); }
    size_t remaining() const { return m_values.size() - m_next; }
    int reseeds() const { return m_reseeds; }

private:
    std::vector<double> m_values;
    size_t m_next = 0;
    int m_reseeds = 0;
};

RandomSource &randomSource();
// Replaces the program's source; returns the one that was in use.
std::unique_ptr<RandomSource> setRandomSource(std::unique_ptr<RandomSource> source);

// Int(r * n + base): the floor, as the tasks are written.
int drawInt(double r, int n, int base);

} // namespace getalveld
