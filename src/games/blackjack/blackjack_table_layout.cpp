// Layout of the Blackjack table. Rectangles are the layout's client coordinates, which start
// below the menu bar (on `body`).
#include "games/blackjack/blackjack_table.h"

#include "controls/form.h"
#include "controls/key_repeats.h"
#include "controls/accessible.h"
#include "platform/guard.h"

#include <QMenu>
#include <QMenuBar>

namespace {

// The piles' cards, and how far each card of a pile lies from the one below it.
constexpr int kPileW = 71;
constexpr int kPileH = 100;
constexpr int kPileCards = 13;
constexpr int kStatusH = 20;

const QColor kGold(0xE8, 0xC0, 0x50);
const QColor kLime(0x66, 0xFF, 0x00);

} // namespace

void Tfrm_bj::setupLayout()
{
    zor::setupForm(this, QStringLiteral("frm_bj"),
                   QStringLiteral("Cassino ZOR   -    (¯`·._.·[ßlå¢kJå¢k]·._.·´¯)"), QSize(797, 571));

    // ---- Menu ----------------------------------------------------------------------------
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* opcoes = MainMenu1->addMenu(QStringLiteral("Opções do Jogo"));
    opcoes->setObjectName(QStringLiteral("opcoes"));
    sairMenu = opcoes->addAction(QStringLiteral("Sair para o menu principal"));
    sairJogos = opcoes->addAction(QStringLiteral("Sair para a tela de Jogos"));
    opcoes->addSeparator();
    sairJogo = opcoes->addAction(QStringLiteral("Sair do Jogo"));
    sairJogo->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_W));
    sairJogo->setShortcutContext(Qt::WindowShortcut);
    addAction(sairJogo); // the shortcut works with the menu closed
    QMenu* recursos = MainMenu1->addMenu(QStringLiteral("Recursos"));
    recursos->setObjectName(QStringLiteral("recursos"));
    configuracoes = recursos->addAction(QStringLiteral("Configurações"));
    designMenu = recursos->addAction(QStringLiteral("Design"));
    QMenu* ajuda = MainMenu1->addMenu(QStringLiteral("Ajuda"));
    ajuda->setObjectName(QStringLiteral("ajuda"));
    sobreBj = ajuda->addAction(QStringLiteral("Sobre o BlackJack"));
    sobreCassino = ajuda->addAction(QStringLiteral("Sobre o Cassino ZOR"));
    sobreDesen = ajuda->addAction(QStringLiteral("Sobre os Desenvolvedores"));
    const struct {
        QAction* action;
        const char* name;
    } names[] = {{sairMenu, "sairMenu"},         {sairJogos, "sairJogos"},       {sairJogo, "sairJogo"},
                 {configuracoes, "configuracoes"}, {designMenu, "design"},         {sobreBj, "sobreBj"},
                 {sobreCassino, "sobreCassino"}, {sobreDesen, "sobreDesen"}};
    for (const auto& n : names)
        n.action->setObjectName(QString::fromLatin1(n.name));
    const int menuH = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, 797, menuH);

    body = new QWidget(this);
    body->setObjectName(QStringLiteral("body"));
    body->setGeometry(0, menuH, 797, 571 - menuH);
    const int bodyH = body->height();

    // ---- The table ------------------------------------------------------------------------
    // The whole table shows between the menu bar and the status bar, its rail all round.
    Image1 = new zor::Picture(body, QStringLiteral("Image1"), QRect(0, 0, 797, bodyH - kStatusH));
    Image1->setLayoutPicture(QStringLiteral("blackjack/mesa.jpg"));

    // Two piles of thirteen face-down cards, each card a little above and beside the one below.
    auto pile = [this](const QString& prefix, bool left) {
        QList<zor::Picture*> cards;
        for (int k = 0; k < kPileCards; ++k) {
            const int x = left ? 22 + k : 797 - 22 - kPileW - k;
            auto* c = new zor::Picture(body, prefix.arg(k), QRect(x, 40 - 2 * k, kPileW, kPileH));
            c->setLayoutPicture(QStringLiteral("blackjack/monte.png"));
            cards << c;
        }
        return cards;
    };
    leftPile = pile(QStringLiteral("left%1"), true);
    rightPile = pile(QStringLiteral("right%1"), false);
    const QStringList leftNames = {"Image3", "Image4", "Image5", "Image6", "Image7", "i8", "i7",
                                   "i6", "i5", "i4", "i3", "i2", "i1"};
    const QStringList rightNames = {"Image10", "Image11", "s11", "s10", "s9", "s8", "s7",
                                    "s6", "s5", "s4", "s3", "s2", "s1"};
    for (int k = 0; k < kPileCards; ++k) {
        leftPile[k]->setObjectName(leftNames[k]);
        rightPile[k]->setObjectName(rightNames[k]);
    }
    i1 = leftPile[12], i2 = leftPile[11], i3 = leftPile[10], i4 = leftPile[9], i5 = leftPile[8];
    s1 = rightPile[12], s2 = rightPile[11], s3 = rightPile[10], s4 = rightPile[9], s5 = rightPile[8];

    // ---- The house ------------------------------------------------------------------------
    auto houseCard = [this](const QString& name, int x) {
        auto* c = new zor::Picture(body, name, QRect(x, 80, 79, 123));
        c->setLayoutPicture(QStringLiteral("blackjack/carta.jpg"));
        return c;
    };
    c1 = houseCard(QStringLiteral("c1"), 331);
    c2 = houseCard(QStringLiteral("c2"), 363);
    c3 = houseCard(QStringLiteral("c3"), 395);

    auto totalFrame = [this](const QString& name, QRect r) {
        auto* f = new zor::Shape(body, name, r);
        f->setBrush(QColor(0, 0, 0, 150));
        f->setPen(QPen(kGold, 2));
        f->hide();
        return f;
    };
    auto totalLabel = [this](const QString& name, QRect r) {
        auto* l = new zor::Label(body, name, QStringLiteral("0"), r);
        QFont f(QStringLiteral("Verdana"));
        f.setPixelSize(20);
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kLime.name()));
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->hide();
        return l;
    };
    s = totalFrame(QStringLiteral("s"), QRect(372, 40, 60, 28));
    pontos2 = totalLabel(QStringLiteral("pontos2"), QRect(372, 40, 60, 28));

    // ---- The player -----------------------------------------------------------------------
    // The frames lie beneath all the cards, so that no frame line crosses the face of a card
    // beneath it: around the fanned cards they show as one outline. Card 3 has a double frame.
    auto frame = [this](const QString& name, QRect r) {
        auto* f = new zor::Shape(body, name, r);
        f->setPen(QPen(kGold, 2));
        f->hide();
        return f;
    };
    auto playerCard = [this](const QString& name, int x) {
        auto* c = new zor::Picture(body, name, QRect(x, 425, 65, 89));
        c->hide();
        return c;
    };
    const int cardX[5] = {320, 344, 368, 392, 416};
    auto around = [&](int n, int by) { return QRect(cardX[n] - by, 425 - by, 65 + 2 * by, 89 + 2 * by); };
    Shape1 = frame(QStringLiteral("Shape1"), around(0, 3));
    Shape2 = frame(QStringLiteral("Shape2"), around(1, 3));
    Shape4 = frame(QStringLiteral("Shape4"), around(2, 6));
    Shape3 = frame(QStringLiteral("Shape3"), around(2, 3));
    Shape5 = frame(QStringLiteral("Shape5"), around(3, 3));
    Shape6 = frame(QStringLiteral("Shape6"), around(4, 3));
    dar1 = playerCard(QStringLiteral("dar1"), cardX[0]);
    dar2 = playerCard(QStringLiteral("dar2"), cardX[1]);
    dar3 = playerCard(QStringLiteral("dar3"), cardX[2]);
    dar4 = playerCard(QStringLiteral("dar4"), cardX[3]);
    dar5 = playerCard(QStringLiteral("dar5"), cardX[4]);
    dar_ = {dar1, dar2, dar3, dar4, dar5};

    Shape7 = totalFrame(QStringLiteral("Shape7"), QRect(370, 375, 60, 28));
    pontos = totalLabel(QStringLiteral("pontos"), QRect(370, 375, 60, 28));
    frames_ = {Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Shape7};

    // ---- Buttons --------------------------------------------------------------------------
    // The table picture shows both buttons at rest; the hover zones lay the lit pictures over them.
    const QRect deal(566, 424, 176, 44);
    const QRect standAt(566, 476, 176, 44);
    b1 = new zor::Picture(body, QStringLiteral("b1"), deal);
    b2 = new zor::Picture(body, QStringLiteral("b2"), deal);
    b2->setLayoutPicture(QStringLiteral("blackjack/dar2.png"));
    b2->setToolTip(QStringLiteral("Dar as Cartas"));
    b2->setCursor(Qt::PointingHandCursor);
    b2->hide();
    b3 = new zor::Picture(body, QStringLiteral("b3"), deal);
    b3->setLayoutPicture(QStringLiteral("blackjack/dar3.png"));
    b3->setCursor(Qt::PointingHandCursor);
    b3->hide();
    // The stand zone shows the awake button over the table's greyed-out one: it is there only
    // while the player holds cards.
    p1 = new zor::Picture(body, QStringLiteral("p1"), standAt);
    p1->setLayoutPicture(QStringLiteral("blackjack/parar1.png"));
    p1->hide();
    p2 = new zor::Picture(body, QStringLiteral("p2"), standAt);
    p2->setLayoutPicture(QStringLiteral("blackjack/parar2.png"));
    p2->setToolTip(QStringLiteral("Parar (tecla P)"));
    p2->setCursor(Qt::PointingHandCursor);
    p2->hide();

    // Five panels in slots of 150 pixels, 2 pixels apart; the last takes the rest of the bar.
    StatusBar1 = new zor::StatusPanels(this, QStringLiteral("StatusBar1"), QRect(0, 571 - kStatusH, 797, kStatusH),
                                       {148, 148, 148, 148, 48}, zor::StatusPanels::LastPanel::Fills);

    // ---- Event wiring ---------------------------------------------------------------------
    zor::on(b1, &zor::Picture::mouseMoved, this, [this] { b1MouseMove(); });
    zor::on(p1, &zor::Picture::mouseMoved, this, [this] { p1MouseMove(); });
    zor::on(Image1, &zor::Picture::mouseMoved, this, [this] { Image1MouseMove(); });
    zor::on(StatusBar1, &zor::StatusPanels::mouseMoved, this, [this] { Image1MouseMove(); });
    zor::on(b2, &zor::Picture::pressed, this, [this](Qt::MouseButton b, QPoint) {
        if (b == Qt::LeftButton)
            b2MouseDown();
    });
    zor::on(b2, &zor::Picture::released, this, [this] { b2MouseUp(); });
    zor::on(b2, &zor::Picture::clicked, this, [this] { b2Click(); });
    zor::on(p2, &zor::Picture::pressed, this, [this](Qt::MouseButton b, QPoint) {
        if (b == Qt::LeftButton)
            p2MouseDown();
    });
    zor::on(p2, &zor::Picture::clicked, this, [this] { p2Click(); });

    zor::on(sairMenu, &QAction::triggered, this, [this] { sairMenuClick(); });
    zor::on(sairJogos, &QAction::triggered, this, [this] { sairJogosClick(); });
    zor::on(sairJogo, &QAction::triggered, this, [this] { sairJogoClick(); });
    zor::on(configuracoes, &QAction::triggered, this, [this] { configuracoesClick(); });
    zor::on(designMenu, &QAction::triggered, this, [this] { designClick(); });
    zor::on(sobreBj, &QAction::triggered, this, [this] { sobreBjClick(); });
    zor::on(sobreCassino, &QAction::triggered, this, [this] { sobreCassinoClick(); });
    zor::on(sobreDesen, &QAction::triggered, this, [this] { sobreDesenClick(); });

    // For screen readers both buttons (the hover zones and the lit pictures) are buttons; the
    // cards are named as they are dealt or turned over, the totals by what they count.
    for (zor::Picture* deal : {b1, b2, b3})
        zor::setAccessibleButton(deal, QStringLiteral("Dar as Cartas"),
                                 QStringLiteral("Dá as cartas, ou mais uma carta (Enter ou Espaço)"),
                                 [this] { zor::guarded([this] { b2Click(); }); });
    for (zor::Picture* stand : {p1, p2})
        zor::setAccessibleButton(stand, QStringLiteral("Parar"), QStringLiteral("Compara as mãos (tecla P)"), [this] {
            zor::guarded([this] {
                if (!zor::bj::canStand(zor::bj::blackjack()))
                    return;
                p2MouseDown();
                p2Click();
            });
        });
    pontos->setAccessibleDescription(QStringLiteral("Seus pontos"));
    pontos2->setAccessibleDescription(QStringLiteral("Pontos da casa"));
    StatusBar1->setAccessibleName(QStringLiteral("Situação"));

    // Enter or Space held down deals or draws once, not once per repeat; P held stands once.
    zor::ignoreKeyRepeats(this, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_P});
}
