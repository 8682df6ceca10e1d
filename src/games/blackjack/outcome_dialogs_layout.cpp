// Layouts of the five outcome dialogs: each is its look below, built by the parts they share.
#include "games/blackjack/outcome_dialogs.h"

#include "controls/form.h"
#include "controls/key_repeats.h"

namespace {

// The outcome's line of text on a light plate, readable over every theme.
const QString kPlate = QStringLiteral("color: #1a1a22; background: rgba(255, 255, 255, 200);"
                                      " border: 1px solid rgba(40, 40, 60, 140); border-radius: 6px;");

const zor::bj::OutcomeLook kGanhou = {
    QStringLiteral("ganhou"), QStringLiteral("Você ganhou !"), QSize(264, 213), Qt::white,
    QStringLiteral("blackjack/aposta_fundo.jpg"),
    QStringLiteral("ganhou.png"), QRect(12, 8, 240, 160),
    QStringLiteral("Você ganhou a aposta ! Parabéns !"), QRect(10, 176, 244, 26), 8, kPlate, true,
    true};

const zor::bj::OutcomeLook kPerdeu = {
    QStringLiteral("perdeu"), QStringLiteral("Você perdeu !"), QSize(306, 201), Qt::black,
    QString(),
    QStringLiteral("perdeu.jpg"), QRect(0, 0, 306, 176),
    QStringLiteral("Você perdeu e o computador ganhou a aposta!"), QRect(0, 176, 306, 25), 8,
    QStringLiteral("color: white; background: black;"), false,
    true};

const zor::bj::OutcomeLook kEmpate = {
    QStringLiteral("empate"), QStringLiteral("Empate !"), QSize(249, 208), Qt::white,
    QStringLiteral("blackjack/aposta_fundo.jpg"),
    QStringLiteral("empate.png"), QRect(10, 8, 229, 156),
    QStringLiteral("O Computador empatou com você !"), QRect(10, 172, 229, 26), 8, kPlate, true,
    true};

const zor::bj::OutcomeLook kEstourou = {
    QStringLiteral("frm_estourou"), QStringLiteral("Que pena ! Você estourou !"), QSize(271, 208), Qt::white,
    QStringLiteral("blackjack/aposta_fundo.jpg"),
    QStringLiteral("estourou.png"), QRect(12, 8, 247, 156),
    QStringLiteral("Não se preocupe! Você não perdeu dinheiro !"), QRect(6, 166, 259, 36), 8, kPlate, true,
    true};

const zor::bj::OutcomeLook kCerto = {
    QStringLiteral("certo"), QStringLiteral("Black Jack - 21 na Mosca"), QSize(249, 273), Qt::black,
    QString(),
    QStringLiteral("certo.jpg"), QRect(0, 0, 249, 240),
    QStringLiteral("Você acertou 21 !"), QRect(0, 240, 249, 33), 12,
    QStringLiteral("color: #ffd84a; background: black;"), false,
    false};

} // namespace

namespace zor::bj {

OutcomeParts::OutcomeParts(QDialog* dialog, const OutcomeLook& look)
    : dialog_(dialog)
{
    setupForm(dialog, look.name, look.caption, look.size, TitleButtons::CloseOnly, look.colour);
    if (!look.background.isEmpty()) {
        graconf = new Picture(dialog, QStringLiteral("graconf"), QRect(QPoint(0, 0), look.size));
        graconf->setLayoutPicture(look.background);
    }
    Image1 = new Picture(dialog, QStringLiteral("Image1"), look.pictureRect);
    Image1->setLayoutPicture(QStringLiteral("blackjack/") + look.picture);
    Label1 = new Label(dialog, QStringLiteral("Label1"), look.text, look.textRect);
    Label1->setFont(verdana(look.textPoints, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(look.wrap);
    Label1->setStyleSheet(look.textStyle);
    // A deal key still held down from the table must not close the dialog with its repeats.
    ignoreKeyRepeats(dialog);
}

} // namespace zor::bj

Tganhou::Tganhou()
    : parts_(this, kGanhou)
{
    graconf = parts_.graconf;
    Image1 = parts_.Image1;
    Label1 = parts_.Label1;
}

Tperdeu::Tperdeu()
    : parts_(this, kPerdeu)
{
    Image1 = parts_.Image1;
    Label1 = parts_.Label1;
}

Tempate::Tempate()
    : parts_(this, kEmpate)
{
    graconf = parts_.graconf;
    Image1 = parts_.Image1;
    Label1 = parts_.Label1;
}

Tfrm_estourou::Tfrm_estourou()
    : parts_(this, kEstourou)
{
    graconf = parts_.graconf;
    Image1 = parts_.Image1;
    Label1 = parts_.Label1;
}

Tcerto::Tcerto()
    : parts_(this, kCerto)
{
    Image1 = parts_.Image1;
    Label1 = parts_.Label1;
}
