// How the coin table's buttons look: the main button's three looks, the colour of "Parar", the
// captions that size their boxes, and the looks the pointer gives as it moves over the table,
// the gear and the tab panel.
#include "games/coin/coin_table.h"

#include "games/coin/coin_game.h"
#include "games/coin/coin_table_helpers.h"
#include "platform/services.h"

#include <QFontMetrics>

using zor::coin::game;
using namespace zor::coin::table;

void TCoC_jogo::setJogarLook(JogarLook look)
{
    jogarLook_ = look;
    const QColor text = look == JogarLook::Hover ? Qt::black : Qt::white;
    const QColor box = look == JogarLook::Rest ? Qt::black : look == JogarLook::Hover ? Qt::white : kSilver;
    const QColor pen = look == JogarLook::Hover ? Qt::black : Qt::white;
    zor::coin::setTextColour(jogar, text);
    if (c->brush().color() != box)
        c->setBrush(box);
    if (c->pen().color() != pen)
        c->setPen(QPen(pen, 3));
}

void TCoC_jogo::setJogarCaption(const QString& caption)
{
    if (jogar->text() == caption && jogar->width() > 1)
        return;
    jogar->setText(caption);
    jogar->resize(QFontMetrics(jogar->font()).horizontalAdvance(caption) + 24, jogar->height());
    // The box around the main button follows its width.
    if (c)
        setWidth(c, jogar->width() + 4);
}

void TCoC_jogo::setPararColour(const QColor& colour)
{
    zor::coin::setTextColour(parar, colour);
}

// ---- Pointer moves ------------------------------------------------------------------------------

void TCoC_jogo::FormMouseMove()
{
    if (jogarLook_ == JogarLook::Hover)
        setJogarLook(JogarLook::Rest);
    else if (jogarLook_ == JogarLook::Busy && !game().tossRunning)
        setJogarLook(JogarLook::Hover);
    if (game().mode == zor::coin::Mode::PlayerStop)
        setPararColour(Qt::black);
    gear.leave();
    setUnderline(b9, false);
    setUnderline(Button1, false);
}

void TCoC_jogo::jogarMouseMove()
{
    if (jogarLook_ == JogarLook::Rest)
        setJogarLook(JogarLook::Hover);
}

void TCoC_jogo::pararMouseMove()
{
    if (game().mode == zor::coin::Mode::PlayerStop && game().playerStop)
        setPararColour(Qt::red);
}

void TCoC_jogo::coinMouseMove()
{
    if (parar->palette().color(QPalette::WindowText) == QColor(Qt::red))
        setPararColour(Qt::black);
}

void TCoC_jogo::configMouseMove()
{
    if (!game().tossRunning)
        gear.enter();
}

void TCoC_jogo::PageControl1MouseMove()
{
    if (jogarLook_ == JogarLook::Hover)
        setJogarLook(JogarLook::Rest);
    else if (jogarLook_ == JogarLook::Busy && !game().tossRunning)
        setJogarLook(JogarLook::Hover);
    setUnderline(b9, false);
    setUnderline(Button1, false);
}

void TCoC_jogo::unstylePanelButtons()
{
    for (QWidget* b : {static_cast<QWidget*>(b2), static_cast<QWidget*>(b6), static_cast<QWidget*>(b7),
                       static_cast<QWidget*>(b8), static_cast<QWidget*>(BitBtn1)})
        zor::setBold(b, false);
    setUnderline(b9, false);
    setUnderline(Button1, false);
}

void TCoC_jogo::graconf3MouseMove()
{
    latch_.clear();
    unstylePanelButtons();
    PageControl1MouseMove();
}

void TCoC_jogo::graconf4MouseMove()
{
    latch_.clear();
    zor::setBold(BitBtn1, false);
}

void TCoC_jogo::graconf5MouseMove()
{
    latch_.clear();
}

void TCoC_jogo::panelButtonMouseMove(QWidget* w)
{
    if (w == b2 || w == b6 || w == b7 || w == b8 || w == BitBtn1)
        zor::setBold(w, true);
    if (w == b9 || w == Button1) {
        setUnderline(b9, true);
        setUnderline(Button1, true);
    }
    // The panel's hover cue; `Button1` lies outside the panel and only underlines.
    if (w != Button1)
        latch_.enter();
}

void TCoC_jogo::moedaMouseMove()
{
    zor::setBold(b7, false);
}
