#include "games/blackjack/blackjack_table.h"
#include "controls/accessible.h"

#include "app/screens.h"
#include "controls/form.h"
#include "games/blackjack/bet_dialog.h"
#include "games/blackjack/outcome_dialogs.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "settings/config_screen.h"
#include "settings/design_screen.h"
#include "settings/theme.h"
#include "shell/about_screens.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/main_menu.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>

using zor::bj::Outcome;

namespace {

const QString kFiveCards = QStringLiteral("Clique em parar ! Só são permitidas 5 cartas por rodada.");

} // namespace

Tfrm_bj::Tfrm_bj()
{
    setupLayout();
}

void Tfrm_bj::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    zor::runShowHandler(this, e, [this] { FormShow(); });
}

void Tfrm_bj::closeEvent(QCloseEvent* e)
{
    QDialog::closeEvent(e);
    zor::guarded([this] { FormClose(); });
}

void Tfrm_bj::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Enter and Space deal and draw exactly as a click on "Dar as Cartas".
        if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            break;
        e->accept();
        zor::guarded([this] { b2Click(); });
        return;
    case Qt::Key_P:
        // P is "Parar": a stand, with the button's click, while the player holds cards.
        if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            break;
        e->accept();
        if (zor::bj::canStand(zor::bj::blackjack())) {
            zor::guarded([this] {
                p2MouseDown();
                p2Click();
            });
        }
        return;
    case Qt::Key_Escape:
        // The table has no cancel button: Esc would hide it without its close handler.
        e->accept();
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(e);
}

// ---- Life cycle -------------------------------------------------------------------------------

void Tfrm_bj::FormShow()
{
    // The shown table follows the record from now on; a table made but never shown, or one
    // closed and waiting to be deleted, stays out of it, so a hand is settled by one table only.
    if (!following_)
        following_ = connect(&zor::bj::tableNotifier(), &zor::bj::TableNotifier::changed, this,
                             [this] { zor::guarded([this] { follow(); }); });
    zor::bj::startVisit(zor::bj::blackjack());
    zor::bj::tableChanged();
}

void Tfrm_bj::FormClose()
{
    hidePlayerSide();
    for (zor::Picture* card : leftPile + rightPile)
        card->show();
    // A closed table is never shown again (the chooser makes a new one): it follows no more.
    disconnect(following_);
    following_ = {};
    zor::bj::clearPlayer(zor::bj::blackjack());
    zor::bj::tableChanged();
    frm_Jogos->show();
    if (frm_Menu)
        frm_Menu->hide();
}

// ---- Dealing ----------------------------------------------------------------------------------

void Tfrm_bj::b2Click()
{
    b3->hide();
    const int slot = zor::bj::nextCardSlot(zor::bj::blackjack().step);
    if (slot < 0) {
        zor::dialogs().message(kFiveCards);
        return;
    }
    if (slot == 0) {
        sortear();
        zor::dialogs().showModal(aposta);
        Shape7->show();
        randomcartas(1);
        randomcartas(2);
        pontos->show();
        p1->show();
    } else {
        randomcartas(slot + 1);
    }
    // The labels follow and an exact 21 or a bust is settled before this press returns, so a
    // quick second press cannot draw on after it.
    zor::bj::tableChanged();
}

void Tfrm_bj::sortear()
{
    zor::bj::startHand(zor::bj::blackjack(), zor::random());
    zor::bj::tableChanged();
    for (zor::Picture* c : {c1, c2, c3}) {
        c->loadFromFile(zor::bj::kCardBack);
        zor::setPictureName(c, QStringLiteral("Carta da casa, virada"));
    }
    for (zor::Picture* c : {i1, i2, i3})
        c->hide();
    pontos2->hide();
    s->hide();
    for (zor::Picture* d : dar_)
        d->hide();
    for (zor::Shape* f : frames_)
        f->hide();
}

void Tfrm_bj::randomcartas(int n)
{
    if (n < 1 || n > 5)
        return;
    const zor::bj::Card card = zor::bj::drawCard(zor::random());
    // The picture first: a card that cannot be shown is not dealt.
    dar_[n - 1]->loadFromFile(card.picture());
    zor::setPictureName(dar_[n - 1], cardName(card.picture()));
    zor::bj::givePlayerCard(zor::bj::blackjack(), n - 1, card);
    dar_[n - 1]->show();
    switch (n) {
    case 1: Shape1->show(); s1->hide(); break;
    case 2: Shape2->show(); s2->hide(); break;
    case 3: Shape3->show(); Shape4->show(); s3->hide(); break;
    case 4: Shape5->show(); s4->hide(); break;
    case 5: Shape6->show(); s5->hide(); break;
    }
}

// ---- Settling ---------------------------------------------------------------------------------

void Tfrm_bj::settleNow()
{
    const int mine = zor::bj::playerTotal(zor::bj::blackjack());
    const Outcome o = zor::bj::settleImmediate(zor::bj::blackjack());
    if (o == Outcome::None)
        return;
    // The hand is settled in the state before its dialog comes up; the revealed house cards and
    // their total stay on the table until the next deal.
    hidePlayerSide();
    for (zor::Picture* c : {s1, s2, s3, s4, s5})
        c->show();
    revealHouse();
    refresh();
    announceOutcome(o, mine);
    showOutcome(o);
}

void Tfrm_bj::p2Click()
{
    if (!zor::bj::canStand(zor::bj::blackjack()))
        return;
    verifica();
}

void Tfrm_bj::verifica()
{
    for (zor::Picture* c : {s1, s2, s3, s4, s5})
        c->show();
    hidePlayerSide();
    const int mine = zor::bj::playerTotal(zor::bj::blackjack());
    const Outcome o = zor::bj::stand(zor::bj::blackjack());
    revealHouse();
    zor::bj::tableChanged();
    announceOutcome(o, mine);
    showOutcome(o);
}

QString Tfrm_bj::outcomeText(Outcome o, int player, int house, const QString& money)
{
    QString what;
    switch (o) {
    case Outcome::Won: what = QStringLiteral("Você ganhou"); break;
    case Outcome::Lost: what = QStringLiteral("Você perdeu"); break;
    case Outcome::Tie: what = QStringLiteral("Empate"); break;
    case Outcome::Bust: what = QStringLiteral("Você estourou"); break;
    case Outcome::Exact21: what = QStringLiteral("21! Você ganhou"); break;
    case Outcome::None: return {};
    }
    return QStringLiteral("%1: %2 contra %3 da casa. %4").arg(what).arg(player).arg(house).arg(money);
}

void Tfrm_bj::announceOutcome(Outcome o, int player)
{
    zor::announce(StatusBar1, outcomeText(o, player, zor::bj::houseTotal(zor::bj::blackjack()), StatusBar1->panel(0)));
}

QString Tfrm_bj::cardName(const QString& pictureFile)
{
    static const QRegularExpression pattern(QStringLiteral("^([ceop]) \\((\\d{1,2})\\)\\.jpg$"));
    const QRegularExpressionMatch m = pattern.match(pictureFile);
    if (!m.hasMatch())
        return {};
    static const char* const ranks[13] = {"Ás",   "Dois", "Três",   "Quatro", "Cinco", "Seis", "Sete",
                                          "Oito", "Nove", "Dez",    "Valete", "Dama",  "Rei"};
    const int rank = m.captured(2).toInt();
    if (rank < 1 || rank > 13)
        return {};
    const QChar suit = m.captured(1).at(0);
    const QString suitName = suit == u'c' ? QStringLiteral("Copas")
        : suit == u'e'                    ? QStringLiteral("Espadas")
        : suit == u'o'                    ? QStringLiteral("Ouros")
                                          : QStringLiteral("Paus");
    return QStringLiteral("%1 de %2").arg(QString::fromUtf8(ranks[rank - 1]), suitName);
}

void Tfrm_bj::revealHouse()
{
    const auto& t = zor::bj::blackjack();
    c1->loadFromFile(t.housePictures[0]);
    c2->loadFromFile(t.housePictures[1]);
    c3->loadFromFile(t.housePictures[2]);
    for (int i = 0; i < 3; ++i)
        zor::setPictureName(QList<zor::Picture*>{c1, c2, c3}[i],
                            QStringLiteral("Casa: %1").arg(cardName(t.housePictures[i])));
    setText(pontos2, QString::number(zor::bj::houseTotal(t)));
    s->show();
    pontos2->show();
    pontos2->raise();
}

void Tfrm_bj::hidePlayerSide()
{
    for (zor::Picture* c : {i1, i2, i3})
        c->hide();
    for (zor::Picture* d : dar_)
        d->hide();
    for (zor::Shape* f : frames_)
        f->hide();
    p1->hide();
    p2->hide();
    pontos->hide();
}

void Tfrm_bj::showOutcome(Outcome o)
{
    switch (o) {
    case Outcome::Won: zor::dialogs().showModal(ganhou); break;
    case Outcome::Lost: zor::dialogs().showModal(perdeu); break;
    case Outcome::Tie: zor::dialogs().showModal(empate); break;
    case Outcome::Bust: zor::dialogs().showModal(frm_estourou); break;
    case Outcome::Exact21: zor::dialogs().showModal(certo); break;
    case Outcome::None: break;
    }
}

// ---- Refresh ----------------------------------------------------------------------------------

void Tfrm_bj::setText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void Tfrm_bj::refresh()
{
    const auto& t = zor::bj::blackjack();
    // Most ticks find nothing new: the texts are made only when a figure they show has moved.
    const std::array<int, 7> shown = {zor::bj::playerTotal(t), zor::bj::houseTotal(t), t.money, t.wins, t.losses,
                                      t.busts, t.hits21};
    if (shown == lastShown_)
        return;
    lastShown_ = shown;
    setText(pontos, QString::number(zor::bj::playerTotal(t)));
    setText(pontos2, QString::number(zor::bj::houseTotal(t)));
    const auto texts = zor::bj::statusTexts(t);
    for (int i = 0; i < int(texts.size()); ++i)
        StatusBar1->setPanel(i, texts[i]);
}

void Tfrm_bj::follow()
{
    refresh();
    settleNow();
}

// ---- Pointer ----------------------------------------------------------------------------------

void Tfrm_bj::b1MouseMove()
{
    b2->show();
    p2->hide();
}

void Tfrm_bj::p1MouseMove()
{
    p2->show();
    b2->hide();
}

void Tfrm_bj::Image1MouseMove()
{
    b2->hide();
    b3->hide();
    p2->hide();
}

void Tfrm_bj::b2MouseDown()
{
    zor::clickCue();
    b3->show();
}

void Tfrm_bj::b2MouseUp()
{
    b3->hide();
}

void Tfrm_bj::p2MouseDown()
{
    zor::clickCue();
}

// ---- Menu -------------------------------------------------------------------------------------

void Tfrm_bj::sairMenuClick()
{
    zor::clickCue();
    close();
    // The chooser is hidden behind the table; its close handler brings the main menu back.
    frm_Jogos->close();
}

void Tfrm_bj::sairJogosClick()
{
    zor::clickCue();
    close();
}

void Tfrm_bj::sairJogoClick()
{
    zor::clickCue(zor::Wait::Yes);
    zor::endProgram();
}

void Tfrm_bj::configuracoesClick()
{
    zor::dialogs().showModal(frm_conf);
}

void Tfrm_bj::designClick()
{
    zor::dialogs().showModal(design);
}

void Tfrm_bj::sobreBjClick()
{
    zor::dialogs().showModal(ajudabj);
}

void Tfrm_bj::sobreCassinoClick()
{
    zor::dialogs().showModal(cassino);
    zor::clickCue();
}

void Tfrm_bj::sobreDesenClick()
{
    zor::dialogs().showModal(desen);
    zor::clickCue();
}
