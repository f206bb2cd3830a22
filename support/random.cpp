#include "support/random.h"

#include <chrono>
#include <random>
#include <utility>

namespace {
std::mt19937_64& generator() {
    static std::mt19937_64 g;
    return g;
}
} // namespace

int random_between(int lo, int hi) {
    lo = lo < 0 ? 0 : lo;
    hi = hi < 0 ? 0 : hi;
    if (lo > hi)
        std::swap(lo, hi);
    if (lo == hi)
        return lo;
    const auto span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo) + 1;
    // span is at most 2^31, so the bias of the modulo against 2^64 is far below anything a
    // worksheet could show.
    return static_cast<int>(static_cast<std::uint64_t>(lo) + generator()() % span);
}

void seed_random_from_clock() {
    using namespace std::chrono;
    const auto tick = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    const auto wall = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    seed_random(static_cast<std::uint64_t>(tick) ^ (static_cast<std::uint64_t>(wall) << 20));
}

void seed_random(std::uint64_t seed) { generator().seed(seed); }
