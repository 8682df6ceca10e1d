#include "platform/random.h"

#include <chrono>
#include <random>

namespace zor {

void ClockRandom::reseed()
{
    state_ = static_cast<unsigned long long>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

int ClockRandom::draw(int n)
{
    if (n <= 1)
        return 0;
    std::mt19937_64 engine(state_);
    state_ = engine();
    return int(std::uniform_int_distribution<int>(0, n - 1)(engine));
}

} // namespace zor
