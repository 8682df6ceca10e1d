// Layout of the mode dialog.
#include "games/coin/mode_dialog.h"

#include "controls/accessible.h"
#include "controls/form.h"
#include "controls/key_repeats.h"
#include "games/coin/coin_screens_common.h"
#include "platform/guard.h"

#include <QFontMetrics>

namespace {

zor::Label* line(QWidget* parent, const QString& name, const QString& text, int top)
{
    auto* l = new zor::Label(parent, name, text, QRect(30, top, 266, 14));
    l->setStyleSheet(QStringLiteral("color: #10204a; background: transparent;"));
    return l;
}

} // namespace

void Tcoc_modo::layout()
{
    zor::setupForm(this, QStringLiteral("coc_modo"), QStringLiteral("Cassino ZOR - Modos de Jogo"), QSize(302, 289));
    setMouseTracking(true);

    graconf = new zor::Picture(this, QStringLiteral("graconf"), QRect(0, 0, 302, 289));
    graconf->setLayoutPicture(QStringLiteral("coin/graconf.jpg"));

    auto* sentence = new zor::coin::GapLabel(this, QStringLiteral("Label1"),
                                             QStringLiteral("Escolha um           para jogar: "), QRect(12, 14, 230, 16));
    Label1 = sentence;
    Label1->setFont(zor::verdana(9));
    Label1->setStyleSheet(QStringLiteral("background: transparent;"));
    // "modo" stands in the gap of the sentence, a blank from either neighbour.
    Label2 = new zor::Label(this, QStringLiteral("Label2"), QStringLiteral("modo"), QRect(12, 14, 50, 16));
    Label2->setFont(zor::verdana(9, true));
    Label2->setStyleSheet(QStringLiteral("background: transparent;"));
    Label2->setToolTip(QStringLiteral("Parada Aleatória ou Parada pelo Jogador"));
    zor::coin::fitWordInGap(sentence, Label2, {Label2->text()});

    Image3 = new zor::Picture(this, QStringLiteral("Image3"), QRect(261, 6, 33, 33));
    Image3->setLayoutPicture(QStringLiteral("coin/ajuda.png"));
    contornoAjuda = new zor::Shape(this, QStringLiteral("contornoAjuda"), QRect(261, 6, 33, 33));
    contornoAjuda->setCursor(Qt::PointingHandCursor);

    const QString hint1 = QStringLiteral("Clique em ajuda para saber o que é Parada Aleatória");
    const QString hint2 = QStringLiteral("Clique em ajuda para saber o que é Parada pelo Jogador");

    RadioButton1 = new zor::RadioButton(this, QStringLiteral("RadioButton1"), QStringLiteral("Parada Aleatória"),
                                        QRect(12, 46, 200, 18));
    RadioButton1->setFont(zor::verdana(8, true));
    RadioButton1->setToolTip(hint1);
    RadioButton1->setChecked(true);
    Label3 = line(this, QStringLiteral("Label3"), QStringLiteral("O jogador joga a moeda, e logo após de"), 68);
    Label4 = line(this, QStringLiteral("Label4"), QStringLiteral("um certo tempo a moeda para sorteando "), 82);
    Label5 = line(this, QStringLiteral("Label5"), QStringLiteral("um lado qualquer da moeda, fazendo assim"), 96);
    Label6 = line(this, QStringLiteral("Label6"), QStringLiteral("a vitória, ou não, do jogador."), 110);
    // The hot area lies over the four lines, so a click anywhere on them picks the mode.
    Image2 = new zor::Picture(this, QStringLiteral("Image2"), QRect(26, 66, 270, 60));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setToolTip(hint1);

    RadioButton2 = new zor::RadioButton(this, QStringLiteral("RadioButton2"), QStringLiteral("Parada pelo Jogador"),
                                        QRect(12, 138, 200, 18));
    RadioButton2->setFont(zor::verdana(8, true));
    RadioButton2->setToolTip(hint2);
    Label7 = line(this, QStringLiteral("Label7"), QStringLiteral("O jogador joga a moeda, e a moeda fica"), 160);
    Label8 = line(this, QStringLiteral("Label8"), QStringLiteral("girando constantemente enquanto o jogador"), 174);
    Label9 = line(this, QStringLiteral("Label9"), QStringLiteral("não clicar em \"PARAR\", ou apertar espaço, "), 188);
    Label10 = line(this, QStringLiteral("Label10"), QStringLiteral("para que a decisão do jogador seja difícil."), 202);
    Image1 = new zor::Picture(this, QStringLiteral("Image1"), QRect(26, 158, 270, 60));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(hint2);

    Button2 = new zor::Button(this, QStringLiteral("Button2"), QStringLiteral("Cancelar"), QRect(40, 246, 100, 27));
    Button2->setToolTip(QStringLiteral("Cancela a operação e volta para o jogo"));
    Button2->setCursor(Qt::PointingHandCursor);
    Button1 = new zor::Button(this, QStringLiteral("Button1"), QStringLiteral("Escolher"), QRect(162, 246, 100, 27));
    Button1->setToolTip(QStringLiteral("Escolhe uma das opções ao lado"));
    Button1->setCursor(Qt::PointingHandCursor);
    Button1->setDefault(true);
    // Only the focused button other than the default takes Enter; clicks do not move the default.
    Button2->setAutoDefault(true);

    // Event wiring.
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    zor::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    zor::on(Image1, &zor::Picture::clicked, this, [this] { Image1Click(); });
    zor::on(Image2, &zor::Picture::clicked, this, [this] { Image2Click(); });
    zor::on(contornoAjuda, &zor::Shape::pressed, this, [this](Qt::MouseButton b, QPoint) {
        if (b == Qt::LeftButton)
            contornoAjudaMouseDown();
    });
    zor::on(contornoAjuda, &zor::Shape::released, this, [this](Qt::MouseButton b, QPoint) {
        if (b == Qt::LeftButton)
            contornoAjudaMouseUp();
    });
    zor::on(Button1, &zor::Button::mouseMoved, this, [this] { Button1MouseMove(); });
    zor::on(Button2, &zor::Button::mouseMoved, this, [this] { Button2MouseMove(); });
    for (auto* r : {RadioButton1, RadioButton2})
        zor::on(r, &zor::RadioButton::mouseMoved, this, [this] { HotMouseMove(); });
    for (auto* p : {Image1, Image2})
        zor::on(p, &zor::Picture::mouseMoved, this, [this] { HotMouseMove(); });
    zor::on(graconf, &zor::Picture::mouseMoved, this, [this] { graconfMouseMove(); });

    // For screen readers the hot areas over the two descriptions are buttons named by mode.
    zor::setAccessibleButton(Image2, RadioButton1->text(), hint1);
    zor::setAccessibleButton(Image1, RadioButton2->text(), hint2);

    // Enter held down on the table must not confirm this dialog the moment it opens.
    zor::ignoreKeyRepeats(this);
}
