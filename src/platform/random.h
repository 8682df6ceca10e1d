#pragma once
// The real random source of the game's draws.
#include "platform/services.h"

namespace zor {

// Mersenne Twister reseeded from the high-resolution steady clock before each draw.
class ClockRandom final : public RandomSource {
public:
    void reseed() override;
    int draw(int n) override;

private:
    unsigned long long state_ = 0;
};

} // namespace zor
