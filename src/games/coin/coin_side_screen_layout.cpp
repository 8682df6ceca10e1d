// Layout of the coin side screen.
#include "games/coin/coin_side_screen.h"

#include "controls/accessible.h"
#include "controls/form.h"
#include "platform/guard.h"

namespace {

const QColor kGold(0xFF, 0xD8, 0x6A);

zor::Label* textLabel(QWidget* parent, const QString& name, const QString& text, QPoint at, int points,
                      const QColor& colour)
{
    auto* l = new zor::Label(parent, name, text, QRect(at, QSize(1, 1)));
    l->setFont(zor::verdana(points, true));
    zor::coin::setTextColour(l, colour);
    l->adjustSize();
    l->resize(l->width() + 14, l->height());
    return l;
}

} // namespace

void Tfrm_CoC2::layout()
{
    zor::setupForm(this, QStringLiteral("frm_CoC2"), zor::coin::windowCaption(), QSize(889, 616));
    setMouseTracking(true);

    fundo = new zor::Picture(this, QStringLiteral("fundo"), QRect(0, 0, 889, 616));
    fundo->setLayoutPicture(QStringLiteral("coin/fundo2.jpg"));

    Label1 = textLabel(this, QStringLiteral("Label1"), QStringLiteral("Escolha o lado da moeda"), {40, 22}, 22, kGold);
    Label1->adjustSize();
    Label2 = textLabel(this, QStringLiteral("Label2"), QStringLiteral(":"), {40 + Label1->width(), 22}, 22, kGold);

    // The two words stand above their pictures; the pictures take their place from the coin.
    Label3 = textLabel(this, QStringLiteral("Label3"), QStringLiteral("Cara"), {300, 128}, 18, Qt::white);
    Label4 = textLabel(this, QStringLiteral("Label4"), QStringLiteral("Coroa"), {505, 128}, 18, Qt::white);
    for (auto* l : {Label3, Label4})
        l->setCursor(Qt::PointingHandCursor);
    cara = new zor::Picture(this, QStringLiteral("cara"), QRect(259, 180, 148, 148));
    coroa = new zor::Picture(this, QStringLiteral("coroa"), QRect(470, 180, 147, 147));
    for (auto* p : {cara, coroa})
        p->setCursor(Qt::PointingHandCursor);
    RadioButton1 = new zor::RadioButton(this, QStringLiteral("RadioButton1"), QString(), QRect(255, 176, 18, 18));
    RadioButton2 = new zor::RadioButton(this, QStringLiteral("RadioButton2"), QString(), QRect(466, 176, 18, 18));
    RadioButton1->setChecked(true);

    Label6 = new zor::Label(this, QStringLiteral("Label6"), QStringLiteral("Jogar"), QRect(0, 0, 1, 1));
    QFont showcard(QStringLiteral("Showcard Gothic"));
    showcard.setPixelSize(33);
    showcard.setBold(true);
    Label6->setFont(showcard);
    zor::coin::setTextColour(Label6, Qt::black);
    Label6->adjustSize();
    Label6->move(444 - Label6->width() / 2, 392);
    Label6->setCursor(Qt::PointingHandCursor);

    auto nav = [this](const QString& name, const QString& text, int top, bool italic) {
        textLabel(this, name + QStringLiteral("_bullet"), QStringLiteral("*"), {612, top}, 11, kGold);
        auto* l = textLabel(this, name, text, {628, top}, 11, Qt::white);
        if (italic)
            zor::coin::setLabelStyle(l, true, false, true);
        l->setCursor(Qt::PointingHandCursor);
        zor::on(l, &zor::Label::mouseMoved, this, [this, l] { navMouseMove(l); });
        return l;
    };
    back = nav(QStringLiteral("back"), QStringLiteral("Voltar"), 470, true);
    Label9 = nav(QStringLiteral("Label9"), QStringLiteral("Sair para o menu principal"), 500, false);
    label10 = nav(QStringLiteral("label10"), QStringLiteral("Sair para a tela de Jogos"), 530, false);
    label14 = nav(QStringLiteral("label14"), QStringLiteral("Sair do Jogo"), 560, false);

    gear = zor::coin::makeGear(this, 889);
    enterUp = new zor::Timer(this, QStringLiteral("enterUp"), 40, false);
    zor::on(enterUp, &zor::Timer::timeout, this, [this] { enterUpTimer(); });

    // Event wiring. Presses on the pictures, the words and "Jogar" come through eventFilter for
    // the labels, so that any mouse button counts.
    zor::on(cara, &zor::Picture::clicked, this, [this] { caraClick(); });
    zor::on(coroa, &zor::Picture::clicked, this, [this] { coroaClick(); });
    zor::on(Label3, &zor::Label::clicked, this, [this] { caraClick(); });
    zor::on(Label4, &zor::Label::clicked, this, [this] { coroaClick(); });
    zor::on(RadioButton1, &QRadioButton::clicked, this, [this] { caraClick(); });
    zor::on(RadioButton2, &QRadioButton::clicked, this, [this] { coroaClick(); });
    zor::on(cara, &zor::Picture::pressed, this, [this] { sideMouseDown(); });
    zor::on(coroa, &zor::Picture::pressed, this, [this] { sideMouseDown(); });
    for (auto* l : {Label3, Label4, Label6})
        l->installEventFilter(this);
    zor::on(cara, &zor::Picture::mouseMoved, this, [this] { sideMouseMove(nullptr); });
    zor::on(coroa, &zor::Picture::mouseMoved, this, [this] { sideMouseMove(nullptr); });
    zor::on(Label3, &zor::Label::mouseMoved, this, [this] { sideMouseMove(Label3); });
    zor::on(Label4, &zor::Label::mouseMoved, this, [this] { sideMouseMove(Label4); });
    zor::on(Label6, &zor::Label::mouseMoved, this, [this] { Label6MouseMove(); });
    zor::on(back, &zor::Label::clicked, this, [this] { backClick(); });
    zor::on(Label9, &zor::Label::clicked, this, [this] { Label9Click(); });
    zor::on(label10, &zor::Label::clicked, this, [this] { label10Click(); });
    zor::on(label14, &zor::Label::clicked, this, [this] { label14Click(); });
    zor::on(gear.config, &zor::Picture::mouseMoved, this, [this] { gear.enter(); });
    zor::on(gear.config2, &zor::Picture::clicked, this, [] { zor::coin::Gear::open(); });
    zor::on(fundo, &zor::Picture::mouseMoved, this, [this] { FormMouseMove(); });
    zor::on(Label1, &zor::Label::mouseMoved, this, [this] { FormMouseMove(); });

    // The keyboard acts on the window alone: no control takes the focus, so no key can tick a
    // radio button behind the player's back (Space); the arrows tick a side and Enter is
    // "Jogar", their repeats told apart in the key handlers.
    for (QWidget* w : findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
    focusRing = new zor::FocusRing(this);
    focusRing->setFollowsFocus(false);

    // For screen readers: the sides and their words are buttons that tick them, "Jogar" and the
    // navigation labels buttons too; the radio buttons bear their sides' names.
    zor::setAccessibleButton(cara, QStringLiteral("Cara"), QStringLiteral("Escolhe o lado Cara (seta para a esquerda)"));
    zor::setAccessibleButton(coroa, QStringLiteral("Coroa"), QStringLiteral("Escolhe o lado Coroa (seta para a direita)"));
    zor::setAccessibleButton(Label3, {}, QStringLiteral("Escolhe o lado Cara"));
    zor::setAccessibleButton(Label4, {}, QStringLiteral("Escolhe o lado Coroa"));
    RadioButton1->setAccessibleName(QStringLiteral("Cara"));
    RadioButton2->setAccessibleName(QStringLiteral("Coroa"));
    zor::setAccessibleButton(Label6, {}, QStringLiteral("Joga com o lado escolhido (Enter)"));
    for (zor::Label* l : {back, Label9, label10, label14})
        zor::setAccessibleButton(l, {});
}
