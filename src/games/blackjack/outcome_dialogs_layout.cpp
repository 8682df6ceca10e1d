// Layouts of the five outcome dialogs.
#include "games/blackjack/outcome_dialogs.h"

#include "controls/form.h"
#include "controls/key_repeats.h"

namespace {

zor::Picture* background(QDialog* d, QSize size)
{
    auto* p = new zor::Picture(d, QStringLiteral("graconf"), QRect(QPoint(0, 0), size));
    p->setLayoutPicture(QStringLiteral("blackjack/aposta_fundo.jpg"));
    return p;
}

zor::Picture* picture(QDialog* d, const QString& file, QRect r)
{
    auto* p = new zor::Picture(d, QStringLiteral("Image1"), r);
    p->setLayoutPicture(QStringLiteral("blackjack/") + file);
    return p;
}

// The outcome's line of text on a light plate, readable over every theme.
zor::Label* plateText(QDialog* d, const QString& text, QRect r)
{
    auto* l = new zor::Label(d, QStringLiteral("Label1"), text, r);
    l->setFont(zor::verdana(8, true));
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #1a1a22; background: rgba(255, 255, 255, 200);"
                                    " border: 1px solid rgba(40, 40, 60, 140); border-radius: 6px;"));
    return l;
}

} // namespace

Tganhou::Tganhou()
{
    zor::setupForm(this, QStringLiteral("ganhou"), QStringLiteral("Você ganhou !"), QSize(264, 213));
    graconf = background(this, size());
    Image1 = picture(this, QStringLiteral("ganhou.png"), QRect(12, 8, 240, 160));
    Label1 = plateText(this, QStringLiteral("Você ganhou a aposta ! Parabéns !"), QRect(10, 176, 244, 26));
    // A deal key still held down from the table must not close the dialog with its repeats.
    zor::ignoreKeyRepeats(this);
}

Tperdeu::Tperdeu()
{
    zor::setupForm(this, QStringLiteral("perdeu"), QStringLiteral("Você perdeu !"), QSize(306, 201), zor::TitleButtons::CloseOnly,
                   Qt::black);
    Image1 = picture(this, QStringLiteral("perdeu.jpg"), QRect(0, 0, 306, 176));
    Label1 = new zor::Label(this, QStringLiteral("Label1"), QStringLiteral("Você perdeu e o computador ganhou a aposta!"),
                            QRect(0, 176, 306, 25));
    Label1->setFont(zor::verdana(8, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("color: white; background: black;"));
    // A deal key still held down from the table must not close the dialog with its repeats.
    zor::ignoreKeyRepeats(this);
}

Tempate::Tempate()
{
    zor::setupForm(this, QStringLiteral("empate"), QStringLiteral("Empate !"), QSize(249, 208));
    graconf = background(this, size());
    Image1 = picture(this, QStringLiteral("empate.png"), QRect(10, 8, 229, 156));
    Label1 = plateText(this, QStringLiteral("O Computador empatou com você !"), QRect(10, 172, 229, 26));
    // A deal key still held down from the table must not close the dialog with its repeats.
    zor::ignoreKeyRepeats(this);
}

Tfrm_estourou::Tfrm_estourou()
{
    zor::setupForm(this, QStringLiteral("frm_estourou"), QStringLiteral("Que pena ! Você estourou !"), QSize(271, 208));
    graconf = background(this, size());
    Image1 = picture(this, QStringLiteral("estourou.png"), QRect(12, 8, 247, 156));
    Label1 = plateText(this, QStringLiteral("Não se preocupe! Você não perdeu dinheiro !"), QRect(6, 166, 259, 36));
    // A deal key still held down from the table must not close the dialog with its repeats.
    zor::ignoreKeyRepeats(this);
}

Tcerto::Tcerto()
{
    zor::setupForm(this, QStringLiteral("certo"), QStringLiteral("Black Jack - 21 na Mosca"), QSize(249, 273),
                   zor::TitleButtons::CloseOnly, Qt::black);
    Image1 = picture(this, QStringLiteral("certo.jpg"), QRect(0, 0, 249, 240));
    Label1 = new zor::Label(this, QStringLiteral("Label1"), QStringLiteral("Você acertou 21 !"), QRect(0, 240, 249, 33));
    QFont f = zor::verdana(12, true);
    Label1->setFont(f);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("color: #ffd84a; background: black;"));
    // A deal key still held down from the table must not close the dialog with its repeats.
    zor::ignoreKeyRepeats(this);
}
