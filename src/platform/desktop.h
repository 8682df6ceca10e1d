#pragma once
// The real desktop services: Qt message boxes, modal showing, beeps and the random source.
#include "platform/services.h"

namespace zor {

class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    int showModal(QDialog* dialog) override;
    void beep(Beep kind) override;
};

// Mersenne Twister reseeded from the high-resolution steady clock before each draw.
class ClockRandom final : public RandomSource {
public:
    void reseed() override;
    int draw(int n) override;

private:
    unsigned long long state_ = 0;
};

} // namespace zor
