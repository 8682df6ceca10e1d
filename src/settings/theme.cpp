#include "settings/theme.h"

#include "controls/picture.h"
#include "platform/guard.h"
#include "platform/services.h"

namespace zor {

QString themePictureFile(const QString& theme)
{
    static const char* const files[7] = {"graconf.jpg", "graconf1.jpg", "graconf2.jpg", "graconf3.jpg",
                                         "graconf4.jpg", "grad.jpg", "graconf5.jpg"};
    const int n = themeNumber(theme);
    return n ? QString::fromLatin1(files[n - 1]) : theme;
}

int themeNumber(const QString& theme)
{
    if (theme.size() == 1 && theme[0] >= u'1' && theme[0] <= u'7')
        return theme[0].unicode() - u'0';
    return 0;
}

void applyTheme(std::initializer_list<Picture*> backgrounds)
{
    const QString file = themePictureFile(setting(Setting::memo));
    // A theme picture that cannot be loaded is reported in the error box, and the show handler
    // goes on: the rest of it (check boxes, labels, state) must still run, or a later save
    // would write what the screen never showed.
    guarded([&] {
        for (Picture* p : backgrounds)
            p->loadFromFile(file);
    });
}

void playCueAlways(const QString& file, Wait wait)
{
    sound().play(file, wait == Wait::Yes);
}

void playCue(const QString& file, Wait wait)
{
    if (isOn(Setting::som))
        playCueAlways(file, wait);
}

void HoverLatch::enter()
{
    if (set_ || !isOn(Setting::som))
        return;
    playCueAlways(kHoverCue);
    set_ = true;
}

HoverLatch& sharedHoverLatch()
{
    static HoverLatch latch;
    return latch;
}

void confirmation(const QString& text)
{
    if (isOn(Setting::msg))
        dialogs().message(text);
}

} // namespace zor
