// Layout of the game chooser.
#include "shell/game_chooser.h"

#include "controls/accessible.h"
#include "controls/form.h"
#include "platform/guard.h"

#include <QIcon>
#include <QLinearGradient>

namespace {

// The description text stands on the translucent panel of the lower area, readable over every
// theme; the header strip is dark with white headings.
const QColor kInk(0x16, 0x21, 0x3E);
const QColor kFrame(0x1B, 0x2A, 0x55);
// The description's left edge: 9 pixels inside the frame that starts at 8, about the room its
// longest line leaves before the picture column at 256.
constexpr int kTextLeft = 17;

} // namespace

void Tfrm_Jogos::setupLayout()
{
    zor::setupForm(this, QStringLiteral("frm_Jogos"), QStringLiteral("Cassino ZOR - Jogos"), QSize(547, 647));

    graconf = new zor::Picture(this, QStringLiteral("graconf"), QRect(-1, -3, 550, 652));
    graconf->setLayoutPicture(QStringLiteral("chooser/graconf.jpg"));

    // Each highlighted banner is created right after its banner, so it lies over it and, once
    // shown, takes the pointer and the click.
    auto banner = [this](const QString& name, const QString& picture, int top, bool highlighted) {
        auto* p = new zor::Picture(this, name, QRect(8, top, 530, 91));
        p->setLayoutPicture(QStringLiteral("chooser/%1").arg(picture));
        if (highlighted) {
            p->setCursor(Qt::PointingHandCursor);
            p->hide();
        }
        return p;
    };
    coc1 = banner(QStringLiteral("coc1"), QStringLiteral("coc1.png"), 10, false);
    coc2 = banner(QStringLiteral("coc2"), QStringLiteral("coc2.png"), 10, true);
    ca1 = banner(QStringLiteral("ca1"), QStringLiteral("ca1.png"), 122, false);
    ca2 = banner(QStringLiteral("ca2"), QStringLiteral("ca2.png"), 122, true);
    bl1 = banner(QStringLiteral("bl1"), QStringLiteral("bl1.png"), 233, false);
    bl2 = banner(QStringLiteral("bl2"), QStringLiteral("bl2.png"), 233, true);

    Shape1 = new zor::Shape(this, QStringLiteral("Shape1"), QRect(8, 336, 529, 297));
    Shape1->setBrush(QColor(255, 255, 255, 170));
    Shape1->setPen(QPen(kFrame, 1));

    Shape2 = new zor::Shape(this, QStringLiteral("Shape2"), QRect(8, 336, 529, 49));
    QLinearGradient strip(0, 0, 0, 49);
    strip.setColorAt(0, QColor(0x3A, 0x55, 0xA0, 235));
    strip.setColorAt(1, QColor(0x14, 0x22, 0x4C, 235));
    Shape2->setBrush(strip);
    Shape2->setPen(QPen(kFrame, 1));

    // The picture column is only framed: the header strip and the panel show through it.
    Shape3 = new zor::Shape(this, QStringLiteral("Shape3"), QRect(256, 336, 281, 297));
    Shape3->setPen(QPen(kFrame, 1));

    auto heading = [this](const QString& name, const QString& text, QPoint at) {
        auto* l = new zor::Label(this, name, text, QRect(at, QSize(1, 1)));
        l->setFont(zor::verdana(8, true));
        l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        l->adjustSize();
        return l;
    };
    Label1 = heading(QStringLiteral("Label1"), QStringLiteral("Descrição"), {96, 352});
    Label2 = heading(QStringLiteral("Label2"), QStringLiteral("Figura do Jogo"), {352, 352});

    // One label per line, 16 pixels apart from top 400, all starting at one even margin inside
    // the frame of the lower area.
    auto description = [this](QChar letter, const QStringList& lines) {
        QList<QWidget*> out;
        for (int i = 0; i < lines.size(); ++i) {
            const QString name = QString(letter) + QString::number(i + 1);
            auto* l = new zor::Label(this, name, lines[i], QRect(kTextLeft, 400 + 16 * i, 1, 1));
            l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kInk.name()));
            l->adjustSize();
            l->hide();
            out << l;
        }
        return out;
    };
    cocDescription_ = description(u'a',
                                  {QStringLiteral("Um jogo simples de Cara ou Coroa, onde"),
                                   QStringLiteral("o objetivo é escolher o valor, o lado da "),
                                   QStringLiteral("moeda, sendo capaz de escolher 2 modos"),
                                   QStringLiteral("de jogo, um que a moeda para sozinha "),
                                   QStringLiteral("\"Aleatória\", ou o jogador decide quando"),
                                   QStringLiteral("a moeda irá parar, dando pontuação e "),
                                   QStringLiteral("tudo mais !")});
    caDescription_ = description(u'b',
                                 {QStringLiteral("Funciona basicamente como todas as"),
                                  QStringLiteral("máquinas caça-níqueis, só com algumas"),
                                  QStringLiteral("diferenças, como mudar a categoria da "),
                                  QStringLiteral("roleta na qual gira conforme ao clique"),
                                  QStringLiteral("encima da alavanca, para que as roletas"),
                                  QStringLiteral("girem aleatóriamente parando em uma"),
                                  QStringLiteral("outra posição.")});
    blDescription_ = description(u'c',
                                 {QStringLiteral("Como nos antigos tempos até hoje, o"),
                                  QStringLiteral("baralho foi ficando cada vez mais normal"),
                                  QStringLiteral("e um dos primeiros jogos também foi"),
                                  QStringLiteral("tradicional e que todo mundo jogava,"),
                                  QStringLiteral("assim o BlackJack foi evoluindo, portanto"),
                                  QStringLiteral("os cassinos foram adotando-o como um"),
                                  QStringLiteral("jogo padrão, mais conhecido como"),
                                  QStringLiteral("\"BlackJack\", ou então \"Jogo do 21\".")});
    auto line = [](const QList<QWidget*>& lines, int n) { return static_cast<zor::Label*>(lines[n - 1]); };
    a1 = line(cocDescription_, 1), a2 = line(cocDescription_, 2), a3 = line(cocDescription_, 3);
    a4 = line(cocDescription_, 4), a5 = line(cocDescription_, 5), a6 = line(cocDescription_, 6);
    a7 = line(cocDescription_, 7);
    b1 = line(caDescription_, 1), b2 = line(caDescription_, 2), b3 = line(caDescription_, 3);
    b4 = line(caDescription_, 4), b5 = line(caDescription_, 5), b6 = line(caDescription_, 6);
    b7 = line(caDescription_, 7);
    c1 = line(blDescription_, 1), c2 = line(blDescription_, 2), c3 = line(blDescription_, 3);
    c4 = line(blDescription_, 4), c5 = line(blDescription_, 5), c6 = line(blDescription_, 6);
    c7 = line(blDescription_, 7), c8 = line(blDescription_, 8);

    auto gamePicture = [this](const QString& name, const QString& picture) {
        auto* p = new zor::Picture(this, name, QRect(260, 392, 272, 235));
        p->setLayoutPicture(QStringLiteral("chooser/%1").arg(picture));
        p->hide();
        return p;
    };
    screen1 = gamePicture(QStringLiteral("screen1"), QStringLiteral("screen1.png"));
    screen2 = gamePicture(QStringLiteral("screen2"), QStringLiteral("screen2.png"));
    screen3 = gamePicture(QStringLiteral("screen3"), QStringLiteral("screen3.png"));

    // Lies over the picture: a frame only, so the picture shows through.
    Shape4 = new zor::Shape(this, QStringLiteral("Shape4"), QRect(259, 392, 275, 238));
    Shape4->setPen(QPen(kFrame, 1));
    Shape4->hide();

    BitBtn1 = new zor::Button(this, QStringLiteral("BitBtn1"), QStringLiteral("Voltar para o Menu Principal"),
                              QRect(20, 560, 215, 26));
    BitBtn1->setIcon(QIcon(QStringLiteral(":/layout/chooser/voltar.png")));
    BitBtn1->setIconSize(QSize(18, 18));
    BitBtn1->setCursor(Qt::PointingHandCursor);

    BitBtn2 = new zor::Button(this, QStringLiteral("BitBtn2"), QStringLiteral("Sair do Jogo"), QRect(20, 599, 215, 26));
    BitBtn2->setIcon(QIcon(QStringLiteral(":/layout/chooser/sair.png")));
    BitBtn2->setIconSize(QSize(18, 18));
    BitBtn2->setCursor(Qt::PointingHandCursor);

    // Keyboard: the banners, then the two buttons. The ring lies over everything.
    for (zor::Picture* b : {coc1, ca1, bl1}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->installEventFilter(this);
    }
    QWidget::setTabOrder(coc1, ca1);
    QWidget::setTabOrder(ca1, bl1);
    QWidget::setTabOrder(bl1, BitBtn1);
    QWidget::setTabOrder(BitBtn1, BitBtn2);
    focusRing = new zor::FocusRing(this);

    // For screen readers the banners are buttons named after their games.
    const std::pair<zor::Picture*, zor::Picture*> games[3] = {{coc1, coc2}, {ca1, ca2}, {bl1, bl2}};
    const QString names[3] = {QStringLiteral("Cara ou Coroa"), QStringLiteral("Caça-Níquel"),
                              QStringLiteral("BlackJack")};
    for (int i = 0; i < 3; ++i) {
        zor::Picture* b = games[i].first;
        zor::setAccessibleButton(b, names[i], QStringLiteral("Abre o jogo"),
                                 [this, b] { zor::guarded([this, b] { openBanner(b); }); });
        zor::setAccessibleButton(games[i].second, names[i], QStringLiteral("Abre o jogo"));
    }

    // Event wiring.
    zor::on(coc1, &zor::Picture::mouseMoved, this, [this] { coc1MouseMove(); });
    zor::on(ca1, &zor::Picture::mouseMoved, this, [this] { ca1MouseMove(); });
    zor::on(bl1, &zor::Picture::mouseMoved, this, [this] { bl1MouseMove(); });
    zor::on(graconf, &zor::Picture::mouseMoved, this, [this] { graconfMouseMove(); });
    zor::on(Shape2, &zor::Shape::mouseMoved, this, [this] { graconfMouseMove(); });
    zor::on(Shape1, &zor::Shape::mouseMoved, this, [this] { Shape1MouseMove(); });
    zor::on(BitBtn1, &zor::Button::mouseMoved, this, [this] { BitBtn1MouseMove(); });
    zor::on(BitBtn2, &zor::Button::mouseMoved, this, [this] { BitBtn2MouseMove(); });
    zor::on(coc2, &zor::Picture::clicked, this, [this] { coc2Click(); });
    zor::on(ca2, &zor::Picture::clicked, this, [this] { ca2Click(); });
    zor::on(bl2, &zor::Picture::clicked, this, [this] { bl2Click(); });
    zor::on(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    zor::on(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}
