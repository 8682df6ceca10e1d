// Layout of the coin table.
#include "games/coin/coin_table.h"

#include "controls/accessible.h"
#include "controls/form.h"
#include "controls/key_repeats.h"
#include "platform/guard.h"

#include <QFontMetrics>
#include <QTabBar>

namespace {

// Text on the themed tab backgrounds: dark ink, readable over every theme.
const QColor kInk(0x12, 0x1E, 0x40);

zor::Label* inkLabel(QWidget* parent, const QString& name, const QString& text, QPoint at, int points, bool bold,
                     int width = 0)
{
    auto* l = new zor::Label(parent, name, text, QRect(at, QSize(1, 1)));
    l->setFont(zor::verdana(points, bold));
    zor::coin::setTextColour(l, kInk);
    l->adjustSize();
    if (width)
        l->resize(width, l->height());
    return l;
}

zor::Button* panelButton(QWidget* parent, const QString& name, const QString& caption, QRect r)
{
    auto* b = new zor::Button(parent, name, caption, r);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

zor::Picture* background(QWidget* page, const QString& name)
{
    auto* p = new zor::Picture(page, name, QRect(0, 0, 886, 300));
    p->setLayoutPicture(QStringLiteral("coin/graconf.jpg"));
    return p;
}

} // namespace

void TCoC_jogo::layout()
{
    zor::setupForm(this, QStringLiteral("CoC_jogo"), zor::coin::windowCaption(), QSize(886, 613),
                   zor::TitleButtons::MinimiseAndClose);
    setMouseTracking(true);

    // ---- The upper table ----
    fundo = new zor::Picture(this, QStringLiteral("fundo"), QRect(0, 0, 886, 613));
    fundo->setLayoutPicture(QStringLiteral("coin/mesa.jpg"));

    cara = new zor::Picture(this, QStringLiteral("cara"), QRect(91, 54, 146, 146));
    coroa = new zor::Picture(this, QStringLiteral("coroa"), QRect(91, 54, 146, 146));
    coroa->hide();

    c = new zor::Shape(this, QStringLiteral("c"), QRect(339, 85, 420, 67));
    c->setBrush(Qt::black);
    c->setPen(QPen(Qt::white, 3));
    jogar = new zor::Label(this, QStringLiteral("jogar"), QStringLiteral("Escolher Modo"), QRect(341, 87, 1, 63));
    QFont showcard(QStringLiteral("Showcard Gothic"));
    showcard.setPixelSize(49);
    showcard.setBold(true);
    jogar->setFont(showcard);
    zor::coin::setTextColour(jogar, Qt::white);
    jogar->setAlignment(Qt::AlignCenter);
    jogar->setCursor(Qt::PointingHandCursor);
    setJogarCaption(QStringLiteral("Escolher Modo"));

    parar = new zor::Label(this, QStringLiteral("parar"), QStringLiteral("Parar"), QRect(339, 160, 1, 46));
    QFont pararFont(QStringLiteral("Showcard Gothic"));
    pararFont.setPixelSize(40);
    pararFont.setBold(true);
    parar->setFont(pararFont);
    zor::coin::setTextColour(parar, QColor(0xC0, 0xC0, 0xC0));
    parar->adjustSize();
    parar->resize(parar->width() + 24, 46);
    parar->setAlignment(Qt::AlignCenter);

    position = new QProgressBar(this);
    position->setObjectName(QStringLiteral("position"));
    position->setGeometry(339, 224, 420, 18);
    position->setRange(0, 150);
    position->setValue(0);
    position->setTextVisible(false);

    gear = zor::coin::makeGear(this, 886);

    // ---- The tab panel ----
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 295, 886, 318);
    PageControl1->setMouseTracking(true);
    PageControl1->tabBar()->setMouseTracking(true);
    auto page = [this](const QString& name, const QString& caption) {
        auto* w = new QWidget;
        w->setObjectName(name);
        w->setMouseTracking(true);
        PageControl1->addTab(w, caption);
        return w;
    };
    TabSheet1 = page(QStringLiteral("TabSheet1"), QStringLiteral("Dinheiro"));
    TabSheet2 = page(QStringLiteral("TabSheet2"), QStringLiteral("Apostas"));
    TabSheet3 = page(QStringLiteral("TabSheet3"), QStringLiteral("Opções do Jogo"));
    TabSheet5 = page(QStringLiteral("TabSheet5"), QStringLiteral("Design"));
    TabSheet4 = page(QStringLiteral("TabSheet4"), QStringLiteral("Ajuda"));

    // "Dinheiro"
    graconf = background(TabSheet1, QStringLiteral("graconf"));
    inkLabel(TabSheet1, QStringLiteral("Label1"), QStringLiteral("Dinheiro:"), {40, 40}, 22, true);
    ldinheiro = inkLabel(TabSheet1, QStringLiteral("ldinheiro"), QStringLiteral("R$ 0"), {60, 100}, 36, true, 780);

    // "Apostas"
    graconf2 = background(TabSheet2, QStringLiteral("graconf2"));
    inkLabel(TabSheet2, QStringLiteral("Label2"), QStringLiteral("Apostas : "), {40, 30}, 16, true);
    lapostas = inkLabel(TabSheet2, QStringLiteral("lapostas"), QStringLiteral("0"), {190, 30}, 16, false, 300);
    inkLabel(TabSheet2, QStringLiteral("Label3"), QStringLiteral("Ganhou : "), {40, 70}, 16, true);
    lganhou = inkLabel(TabSheet2, QStringLiteral("lganhou"), QStringLiteral("0"), {190, 70}, 16, false, 300);
    inkLabel(TabSheet2, QStringLiteral("Label4"), QStringLiteral("Perdeu :"), {40, 110}, 16, true);
    lperdeu = inkLabel(TabSheet2, QStringLiteral("lperdeu"), QStringLiteral("0"), {190, 110}, 16, false, 300);
    auto* sentence = new zor::coin::GapLabel(TabSheet2, QStringLiteral("Label5"),
                                             QStringLiteral("Você está apostando no lado           da moeda."),
                                             QRect(40, 170, 1, 1));
    sentence->setFont(zor::verdana(14, false));
    zor::coin::setTextColour(sentence, kInk);
    o = inkLabel(TabSheet2, QStringLiteral("o"), QString(), {40, 170}, 14, true);
    o->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    zor::coin::fitWordInGap(sentence, o, {QStringLiteral("Cara"), QStringLiteral("Coroa")});

    // "Opções do Jogo"
    graconf3 = background(TabSheet3, QStringLiteral("graconf3"));
    b1 = panelButton(TabSheet3, QStringLiteral("b1"), QStringLiteral("Sair para o menu principal"), {12, 14, 240, 28});
    b2 = panelButton(TabSheet3, QStringLiteral("b2"), QStringLiteral("Sair para a tela de jogos"), {12, 50, 240, 28});
    b3 = panelButton(TabSheet3, QStringLiteral("b3"), QStringLiteral("Sair do Jogo"), {12, 86, 240, 28});
    b4 = panelButton(TabSheet3, QStringLiteral("b4"), QStringLiteral("Voltar para Escolher Cara ou Coroa"),
                     {12, 122, 240, 28});
    b5 = panelButton(TabSheet3, QStringLiteral("b5"), QStringLiteral("Configurações"), {12, 158, 240, 28});
    b6 = panelButton(TabSheet3, QStringLiteral("b6"), QStringLiteral("Zerar Cara ou Coroa"), {266, 14, 190, 28});
    b7 = panelButton(TabSheet3, QStringLiteral("b7"), QStringLiteral("Salvar jogo"), {266, 50, 190, 28});
    b7->setToolTip(QStringLiteral("Ao clicar neste botão, o jogo será salvo."));
    b7->setEnabled(false);
    b8 = panelButton(TabSheet3, QStringLiteral("b8"), QStringLiteral("Carregar último jogo"), {266, 86, 190, 28});
    b8->setToolTip(QStringLiteral("Ao clicar neste botão, carregará o último jogo feito."));
    b9 = panelButton(TabSheet3, QStringLiteral("b9"), QStringLiteral("Esconder Opções"), {266, 122, 190, 28});
    // Enter on this tab loads the last game unless a button has the focus (see previewKey).
    b8->setDefault(true);
    b9->setDefault(true);
    balao = new zor::Picture(TabSheet3, QStringLiteral("balao"), QRect(360, 160, 250, 104));
    balao->setLayoutPicture(QStringLiteral("coin/balao.png"));
    balao->hide();
    l1 = new zor::Label(TabSheet3, QStringLiteral("l1"), QStringLiteral("O Jogo foi"), QRect(440, 184, 120, 18));
    l1->setFont(zor::verdana(10, true));
    l2 = new zor::Label(TabSheet3, QStringLiteral("l2"), QStringLiteral("salvo com sucesso !"), QRect(395, 206, 220, 18));
    l2->setFont(zor::verdana(10, true));
    for (auto* l : {l1, l2}) {
        zor::coin::setTextColour(l, kInk);
        l->hide();
    }
    moeda = new zor::Picture(TabSheet3, QStringLiteral("moeda"), QRect(690, 24, 150, 150));
    moeda->setLayoutPicture(QStringLiteral("coin/moeda.png"));

    // "Design": seven swatches, each a picture with a transparent frame over it and a radio
    // button in its corner.
    graconf4 = background(TabSheet5, QStringLiteral("graconf4"));
    inkLabel(TabSheet5, QStringLiteral("Label6"), QStringLiteral("Escolha uma cor: "), {16, 14}, 11, true);
    for (int i = 0; i < 7; ++i) {
        const QRect tile(16 + i * 122, 46, 104, 104);
        auto* img = new zor::Picture(TabSheet5, QStringLiteral("Image%1").arg(i + 1), tile);
        img->setLayoutPicture(QStringLiteral("design/tema%1.png").arg(i + 1));
        auto* frame = new zor::Shape(TabSheet5, QStringLiteral("Shape%1").arg(i + 1), tile);
        frame->setCursor(Qt::PointingHandCursor);
        auto* radio = new zor::RadioButton(TabSheet5, QStringLiteral("RadioButton%1").arg(i + 1), QString(),
                                           QRect(tile.right() - 20, tile.bottom() - 20, 18, 18));
        swatches[i] = img;
        shapes[i] = frame;
        radios[i] = radio;
        const int n = i + 1;
        zor::on(frame, &zor::Shape::pressed, this, [this, n](Qt::MouseButton b, QPoint) { ShapeMouseDown(n, b); });
        zor::on(frame, &zor::Shape::mouseMoved, this, [this, frame] { panelButtonMouseMove(frame); });
        zor::on(radio, &zor::RadioButton::mouseMoved, this, [this, radio] { panelButtonMouseMove(radio); });
    }
    // Ticked at design, before the previews are wired: the layout's own pictures stay until the
    // theme is first applied.
    radios[0]->setChecked(true);
    for (int i = 0; i < 7; ++i) {
        const int n = i + 1;
        zor::on(radios[i], &QRadioButton::toggled, this, [this, n](bool on) {
            if (on)
                RadioButtonClick(n);
        });
    }
    BitBtn1 = panelButton(TabSheet5, QStringLiteral("BitBtn1"), QStringLiteral("&Salvar"), {740, 200, 110, 30});
    BitBtn1->setIcon(QIcon(QStringLiteral(":/layout/design/ok.png")));
    BitBtn1->installEventFilter(this); // its press plays the click cue

    // "Ajuda"
    graconf5 = background(TabSheet4, QStringLiteral("graconf5"));
    Button2 = panelButton(TabSheet4, QStringLiteral("Button2"), QStringLiteral("Sobre o Cara ou Coroa"), {24, 24, 260, 32});
    Button3 = panelButton(TabSheet4, QStringLiteral("Button3"), QStringLiteral("Sobre o Cassino ZOR"), {24, 68, 260, 32});
    Button4 = panelButton(TabSheet4, QStringLiteral("Button4"), QStringLiteral("Sobre os Desenvolvedores"),
                          {24, 112, 260, 32});

    // Over the tab row, at its right end.
    Button1 = new zor::Button(this, QStringLiteral("Button1"), QStringLiteral("<< Esconder"), QRect(811, 292, 75, 23));
    Button1->setCursor(Qt::PointingHandCursor);
    // Both captions whole: the button grows to the wider of them and, if it no longer fits
    // beside the window's right edge at 811, moves left so its right edge stays inside.
    int button1Width = 75;
    for (const QString& caption : {QStringLiteral("<< Esconder"), QStringLiteral("Mostrar >>")}) {
        Button1->setText(caption);
        button1Width = std::max(button1Width, Button1->sizeHint().width());
    }
    Button1->setText(QStringLiteral("<< Esconder"));
    button1Left_ = std::min(811, 886 - 2 - button1Width);
    Button1->setGeometry(button1Left_, 292, button1Width, 23);

    // The player's name on its silver strip, top left.
    shape = new zor::Shape(this, QStringLiteral("shape"), QRect(4, 4, 40, 20));
    shape->setBrush(QColor(0xC0, 0xC0, 0xC0));
    shape->setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    shape->setCursor(Qt::PointingHandCursor);
    nome = new zor::Label(this, QStringLiteral("nome"), QString(), QRect(6, 6, 1, 16));
    nome->setFont(zor::verdana(9, true));
    zor::coin::setTextColour(nome, Qt::black);
    nome->setToolTip(QStringLiteral("Mude o seu Nome"));
    nome->setCursor(Qt::PointingHandCursor);
    name_ = zor::PlayerName(nome, shape, zor::PlayerName::coinTable());
    nome->installEventFilter(this);

    // ---- Timers ----
    som = new zor::Timer(this, QStringLiteral("som"), 70, false);
    gira1 = new zor::Timer(this, QStringLiteral("gira1"), 73, false);
    gira2 = new zor::Timer(this, QStringLiteral("gira2"), 73, false);
    aleatorio = new zor::Timer(this, QStringLiteral("aleatorio"), 1, false);
    // No refresh timer: the labels follow the record's changes (redraw).
    Timer = new zor::Timer(this, QStringLiteral("Timer"), 2857, false);

    // ---- Event wiring ----
    zor::on(som, &zor::Timer::timeout, this, [this] { somTimer(); });
    zor::on(gira1, &zor::Timer::timeout, this, [this] { gira1Timer(); });
    zor::on(gira2, &zor::Timer::timeout, this, [this] { gira2Timer(); });
    zor::on(aleatorio, &zor::Timer::timeout, this, [this] { aleatorioTimer(); });
    zor::on(&zor::coin::notifier(), &zor::coin::RecordNotifier::changed, this, [this] { redraw(); });
    zor::on(Timer, &zor::Timer::timeout, this, [this] { TimerTimer(); });

    zor::on(jogar, &zor::Label::clicked, this, [this] { jogarClick(); });
    zor::on(parar, &zor::Label::clicked, this, [this] { pararClick(); });
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    zor::on(gear.config2, &zor::Picture::clicked, this, [this] { config2Click(); });
    zor::on(b1, &QPushButton::clicked, this, [this] { b1Click(); });
    zor::on(b2, &QPushButton::clicked, this, [this] { b2Click(); });
    zor::on(b3, &QPushButton::clicked, this, [this] { b3Click(); });
    zor::on(b4, &QPushButton::clicked, this, [this] { b4Click(); });
    zor::on(b5, &QPushButton::clicked, this, [this] { b5Click(); });
    zor::on(b6, &QPushButton::clicked, this, [this] { b6Click(); });
    zor::on(b7, &QPushButton::clicked, this, [this] { b7Click(); });
    zor::on(b8, &QPushButton::clicked, this, [this] { b8Click(); });
    zor::on(b9, &QPushButton::clicked, this, [this] { b9Click(); });
    zor::on(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    zor::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    zor::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    zor::on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    zor::on(shape, &zor::Shape::pressed, this, [this] { shapeMouseDown(); });

    zor::on(fundo, &zor::Picture::mouseMoved, this, [this] { FormMouseMove(); });
    zor::on(jogar, &zor::Label::mouseMoved, this, [this] { jogarMouseMove(); });
    zor::on(parar, &zor::Label::mouseMoved, this, [this] { pararMouseMove(); });
    zor::on(cara, &zor::Picture::mouseMoved, this, [this] { coinMouseMove(); });
    zor::on(coroa, &zor::Picture::mouseMoved, this, [this] { coinMouseMove(); });
    zor::on(gear.config, &zor::Picture::mouseMoved, this, [this] { configMouseMove(); });
    for (auto* bg : {graconf, graconf2})
        zor::on(bg, &zor::Picture::mouseMoved, this, [this] { PageControl1MouseMove(); });
    zor::on(graconf3, &zor::Picture::mouseMoved, this, [this] { graconf3MouseMove(); });
    zor::on(graconf4, &zor::Picture::mouseMoved, this, [this] { graconf4MouseMove(); });
    zor::on(graconf5, &zor::Picture::mouseMoved, this, [this] { graconf5MouseMove(); });
    zor::on(moeda, &zor::Picture::mouseMoved, this, [this] { moedaMouseMove(); });
    for (zor::Button* b : {b1, b2, b3, b4, b5, b6, b7, b8, b9, BitBtn1, Button2, Button3, Button4, Button1})
        zor::on(b, &zor::Button::mouseMoved, this, [this, b] { panelButtonMouseMove(b); });

    // For screen readers: "Escolher Modo"/"Jogar Moeda" (Enter), "Parar" (Space) and the name
    // are buttons; the tabs, the swatches and the state labels say what they are.
    zor::setAccessibleButton(jogar, {}, QStringLiteral("Tecla Enter"));
    zor::setAccessibleButton(parar, {}, QStringLiteral("Para a moeda (tecla Espaço)"));
    zor::setAccessibleButton(nome, {}, QStringLiteral("Mude o seu Nome"));
    PageControl1->setAccessibleName(QStringLiteral("Painel do jogo"));
    position->setAccessibleName(QStringLiteral("Tempo da moeda"));
    for (int i = 0; i < 7; ++i) {
        const QString theme = QStringLiteral("Tema %1").arg(i + 1);
        radios[i]->setAccessibleName(theme);
        zor::setAccessibleButton(swatches[i], theme, QStringLiteral("Escolhe a cor do cassino"),
                                 [this, i] { radios[i]->click(); });
    }
    ldinheiro->setAccessibleDescription(QStringLiteral("Dinheiro"));
    lapostas->setAccessibleDescription(QStringLiteral("Apostas"));
    lganhou->setAccessibleDescription(QStringLiteral("Vitórias"));
    lperdeu->setAccessibleDescription(QStringLiteral("Derrotas"));
    o->setAccessibleDescription(QStringLiteral("Lado escolhido"));
    zor::setPictureName(cara, QStringLiteral("Moeda: Cara"));
    zor::setPictureName(coroa, QStringLiteral("Moeda: Coroa"));

    // The form previews every key: each control passes its key presses to eventFilter first.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    // A held key acts once: before the preview above, every repeat of it is dropped.
    zor::ignoreKeyRepeats(this);
}
