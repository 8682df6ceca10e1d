// Layout of the coin value screen.
#include "games/coin/coin_value_screen.h"

#include "controls/accessible.h"
#include "controls/form.h"
#include "games/coin/coin_game.h"
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
    return l;
}

} // namespace

void Tfrm_CoC1::layout()
{
    zor::setupForm(this, QStringLiteral("frm_CoC1"), zor::coin::windowCaption(), QSize(888, 616));
    setMouseTracking(true);

    fundo = new zor::Picture(this, QStringLiteral("fundo"), QRect(0, 0, 888, 616));
    fundo->setLayoutPicture(QStringLiteral("coin/fundo1.jpg"));

    Label1 = textLabel(this, QStringLiteral("Label1"), QStringLiteral("Escolha o valor da moeda"), {40, 22}, 22, kGold);
    Label2 = textLabel(this, QStringLiteral("Label2"), QStringLiteral(":"), {40 + Label1->width(), 22}, 22, kGold);

    // Four coins down the left column, two down the right one; each picture with its caption
    // beside it and the red ring over it.
    const QPoint places[6] = {{70, 92}, {70, 222}, {70, 352}, {70, 482}, {470, 92}, {470, 222}};
    const char* labelNames[6] = {"Label4", "Label5", "Label6", "Label7", "Label8", "Label3"};
    const char* imageNames[6] = {"Image3", "Image4", "Image5", "Image6", "Image7", "Image2"};
    for (int i = 0; i < 6; ++i) {
        const zor::coin::CoinKind* kind = zor::coin::coinKind(zor::coin::kCoinValues[i]);
        const QPoint at = places[i];
        auto* picture = new zor::Picture(this, QString::fromLatin1(imageNames[i]), QRect(at, QSize(120, 120)));
        picture->setLayoutPicture(QStringLiteral("coin/moeda%1.png").arg(i + 1));
        picture->setCursor(Qt::PointingHandCursor);
        auto* ring = new zor::Shape(this, QStringLiteral("s%1").arg(i + 1), QRect(at - QPoint(5, 5), QSize(130, 130)),
                                    zor::Shape::Ellipse);
        ring->setPen(QPen(Qt::red, 3));
        ring->setCursor(Qt::PointingHandCursor);
        ring->hide();
        auto* label = textLabel(this, QString::fromLatin1(labelNames[i]), QString::fromLatin1(kind->caption),
                                at + QPoint(140, 48), 14, Qt::white);
        label->setCursor(Qt::PointingHandCursor);
        // Room for the bold underlined look without clipping.
        label->resize(label->width() + 12, label->height());
        pictures_[i] = picture;
        rings_[i] = ring;
        labels_[i] = label;

        zor::on(picture, &zor::Picture::mouseMoved, this, [this, i] { coinMouseMove(i, false); });
        zor::on(ring, &zor::Shape::mouseMoved, this, [this, i] { coinMouseMove(i, false); });
        zor::on(label, &zor::Label::mouseMoved, this, [this, i] { coinMouseMove(i, true); });
        zor::on(picture, &zor::Picture::pressed, this, [this, i] { coinMouseDown(i); });
        zor::on(ring, &zor::Shape::pressed, this, [this, i] { coinMouseDown(i); });
        zor::on(picture, &zor::Picture::released, this, [this, i] { coinMouseUp(i); });
        zor::on(ring, &zor::Shape::released, this, [this, i] { coinMouseUp(i); });
        // Labels have no press signal of their own: eventFilter passes theirs on.
        label->installEventFilter(this);
    }
    Image3 = pictures_[0], Image4 = pictures_[1], Image5 = pictures_[2];
    Image6 = pictures_[3], Image7 = pictures_[4], Image2 = pictures_[5];
    s1 = rings_[0], s2 = rings_[1], s3 = rings_[2], s4 = rings_[3], s5 = rings_[4], s6 = rings_[5];
    Label4 = labels_[0], Label5 = labels_[1], Label6 = labels_[2];
    Label7 = labels_[3], Label8 = labels_[4], Label3 = labels_[5];

    // Navigation in the lower right, each label behind a bullet.
    auto nav = [this](const QString& name, const QString& text, int top) {
        textLabel(this, name + QStringLiteral("_bullet"), QStringLiteral("*"), {612, top}, 11, kGold);
        auto* l = textLabel(this, name, text, {628, top}, 11, Qt::white);
        l->resize(l->width() + 14, l->height());
        l->setCursor(Qt::PointingHandCursor);
        zor::on(l, &zor::Label::mouseMoved, this, [this, l] { navMouseMove(l); });
        return l;
    };
    Label9 = nav(QStringLiteral("Label9"), QStringLiteral("Sair para o menu principal"), 500);
    Label14 = nav(QStringLiteral("Label14"), QStringLiteral("Sair para a tela de Jogos"), 530);
    Label10 = nav(QStringLiteral("Label10"), QStringLiteral("Sair do Jogo"), 560);
    zor::on(Label9, &zor::Label::clicked, this, [this] { Label9Click(); });
    zor::on(Label14, &zor::Label::clicked, this, [this] { Label14Click(); });
    zor::on(Label10, &zor::Label::clicked, this, [this] { Label10Click(); });

    gear = zor::coin::makeGear(this, 888);
    zor::on(gear.config, &zor::Picture::mouseMoved, this, [this] { gear.enter(); });
    zor::on(gear.config2, &zor::Picture::clicked, this, [] { zor::coin::Gear::open(); });

    zor::on(fundo, &zor::Picture::mouseMoved, this, [this] { FormMouseMove(); });
    zor::on(Label1, &zor::Label::mouseMoved, this, [this] { FormMouseMove(); });

    pickUp = new zor::Timer(this, QStringLiteral("pickUp"), 40, false);
    zor::on(pickUp, &zor::Timer::timeout, this, [this] { pickUpTimer(); });

    // Keyboard: the six coins, the navigation top to bottom, then the gear. The ring lies over
    // everything.
    QList<QWidget*> chain;
    for (zor::Picture* p : pictures_)
        chain << p;
    chain << Label9 << Label14 << Label10 << gear.config;
    for (QWidget* w : findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < chain.size(); ++i) {
        chain[i]->setFocusPolicy(Qt::TabFocus);
        if (i > 0)
            QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
    for (zor::Picture* p : pictures_)
        p->installEventFilter(this);
    focusRing = new zor::FocusRing(this);

    // For screen readers: each coin and its caption a button that picks it, the navigation
    // labels buttons that lead away.
    for (int i = 0; i < 6; ++i) {
        const QString value = QString::fromLatin1(zor::coin::coinKind(zor::coin::kCoinValues[i])->caption).toLower();
        zor::setAccessibleButton(pictures_[i], QStringLiteral("Moeda de %1").arg(value), QStringLiteral("Escolhe esta moeda"));
        zor::setAccessibleButton(labels_[i], QStringLiteral("Moeda de %1").arg(value), QStringLiteral("Escolhe esta moeda"));
    }
    for (zor::Label* l : {Label9, Label14, Label10})
        zor::setAccessibleButton(l, {});
}
