// Layout of the slot machine screen: the menu bar, the three tabs with their controls, the status
// bar with the pay table, the timers and the event wiring. Rectangles are in the coordinates of
// the tab sheet a control stands on.
#include "games/slots/slot_machine.h"
#include "controls/accessible.h"

#include "controls/form.h"
#include "games/slots/symbol_sets.h"
#include "platform/guard.h"

#include <QFontInfo>
#include <QKeySequence>
#include <QLinearGradient>
#include <algorithm>

namespace {

// Text on the translucent statistics panel: dark ink, readable over every theme.
const QColor kInk(0x16, 0x21, 0x3E);
const QColor kFrame(0x1B, 0x2A, 0x55);

constexpr int kMenuHeight = 22;
constexpr int kStatusHeight = 20;
// Where the statistics' numbers stand.
constexpr int kValueColumn = 322;

zor::Label* text(QWidget* parent, const QString& name, const QString& caption, QPoint at, const QFont& font,
                 const QColor& colour = kInk)
{
    auto* l = new zor::Label(parent, name, caption, QRect(at, QSize(1, 1)));
    l->setFont(font);
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    l->adjustSize();
    return l;
}

QFont comicSans(int pixels, bool bold)
{
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

const QString kSetHint = QStringLiteral(
    "Cada uma das Categorias possui 4 imagens, escolha uma das categorias para jogar o seu Caça - Níquel");

QComboBox* setChooser(QWidget* parent, const QString& name, QRect rect)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(rect);
    c->setEditable(false);
    c->setCursor(Qt::PointingHandCursor);
    c->setToolTip(kSetHint);
    for (const auto& set : zor::cn::symbolSets())
        c->addItem(set.name);
    c->setCurrentIndex(zor::cn::kDefaultSymbolSet);
    return c;
}

} // namespace

void Tfrm_cn::layout()
{
    zor::setupForm(this, QStringLiteral("frm_cn"),
                   QStringLiteral("Cassino ZOR   -   ,.-~*´¨¯¨`*·~-.¸-(_Cåçå - ÑïQüèL_)-,.-~*´¨¯¨`*·~-.¸"),
                   QSize(852, 537), zor::TitleButtons::MinimiseAndClose);

    // ---- Menu bar ----
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    MainMenu1->setGeometry(0, 0, 852, kMenuHeight);
    auto item = [this](QMenu* menu, const QString& name, const QString& caption, const QKeySequence& keys = {}) {
        auto* a = menu->addAction(caption);
        a->setObjectName(name);
        if (!keys.isEmpty()) {
            a->setShortcut(keys);
            // The screen's own shortcuts, wherever the focus is inside it.
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);
        }
        return a;
    };
    OpcoesdoJogo1 = MainMenu1->addMenu(QStringLiteral("Opções do Jogo"));
    OpcoesdoJogo1->setObjectName(QStringLiteral("OpcoesdoJogo1"));
    IniciarnovoJogo1 = item(OpcoesdoJogo1, QStringLiteral("IniciarnovoJogo1"), QStringLiteral("Iniciar novo Jogo"),
                            QKeySequence(Qt::Key_F2));
    OpcoesdoJogo1->addSeparator();
    SalvarJogo1 = item(OpcoesdoJogo1, QStringLiteral("SalvarJogo1"), QStringLiteral("Salvar Jogo..."),
                       QKeySequence(Qt::CTRL | Qt::Key_S));
    CarregarJogo1 = item(OpcoesdoJogo1, QStringLiteral("CarregarJogo1"), QStringLiteral("Carregar Jogo..."),
                         QKeySequence(Qt::CTRL | Qt::Key_O));
    OpcoesdoJogo1->addSeparator();
    Sairparaomenuprincipal1 = item(OpcoesdoJogo1, QStringLiteral("Sairparaomenuprincipal1"),
                                   QStringLiteral("Sair para o menu principal"));
    SairparaateladeJogos1 = item(OpcoesdoJogo1, QStringLiteral("SairparaateladeJogos1"),
                                 QStringLiteral("Sair para a tela de Jogos"));
    SairdoJogo1 = item(OpcoesdoJogo1, QStringLiteral("SairdoJogo1"), QStringLiteral("Sair do Jogo"),
                       QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_W));
    Recursos1 = MainMenu1->addMenu(QStringLiteral("Recursos"));
    Recursos1->setObjectName(QStringLiteral("Recursos1"));
    Design1 = item(Recursos1, QStringLiteral("Design1"), QStringLiteral("Design"));
    Configuracoes1 = item(Recursos1, QStringLiteral("Configuracoes1"), QStringLiteral("Configurações"));
    Ajuda1 = MainMenu1->addMenu(QStringLiteral("Ajuda"));
    Ajuda1->setObjectName(QStringLiteral("Ajuda1"));
    CacaNiquel1 = item(Ajuda1, QStringLiteral("CacaNiquel1"), QStringLiteral("Caça-Níquel"));
    Ajuda1->addSeparator();
    SobreoCassinoZOR1 = item(Ajuda1, QStringLiteral("SobreoCassinoZOR1"), QStringLiteral("Sobre o Cassino ZOR"));
    SobreosDesenvolvedores1 = item(Ajuda1, QStringLiteral("SobreosDesenvolvedores1"),
                                   QStringLiteral("Sobre os Desenvolvedores"));

    // ---- Page control ----
    pagecontrol1 = new QTabWidget(this);
    pagecontrol1->setObjectName(QStringLiteral("pagecontrol1"));
    pagecontrol1->setGeometry(0, kMenuHeight, 852, 537 - kMenuHeight - kStatusHeight);
    pagecontrol1->setFocusPolicy(Qt::NoFocus);
    auto sheet = [this](const QString& name, const QString& caption) {
        auto* w = new QWidget;
        w->setObjectName(name);
        w->setMouseTracking(true);
        pagecontrol1->addTab(w, caption);
        return w;
    };
    TabSheet1 = sheet(QStringLiteral("TabSheet1"), QStringLiteral("Caça - Níquel"));
    TabSheet2 = sheet(QStringLiteral("TabSheet2"), QStringLiteral("Design"));
    TabSheet3 = sheet(QStringLiteral("TabSheet3"), QStringLiteral("Ajuda"));

    // ---- Machine tab: the cabinet, the reels and the lever ----
    QWidget* m = TabSheet1;
    Image1 = new zor::Picture(m, QStringLiteral("Image1"), QRect(0, 0, 852, 292));
    Image1->setLayoutPicture(QStringLiteral("slots/gabinete.jpg"));

    shape = new zor::Shape(m, QStringLiteral("shape"), QRect(5, 4, 10, 20));
    shape->setBrush(QColor(0xC0, 0xC0, 0xC0));
    shape->setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    nome = new zor::Label(m, QStringLiteral("nome"), kNomePadrao, QRect(7, 6, 10, 16));
    nome->setFont(zor::verdana(8, true));
    // Scoped to the label: its hint is drawn with the label's style sheet, and a bare
    // "background: transparent" would make the hint's window a black box.
    nome->setStyleSheet(QStringLiteral("QLabel#nome { color: black; background: transparent; }"
                                       " QToolTip { color: black; background-color: #FFFFE1;"
                                       " border: 1px solid #767676; padding: 1px; }"));
    nome->setLayoutDirection(Qt::RightToLeft);
    nome->setCursor(Qt::PointingHandCursor);
    nome->setToolTip(QStringLiteral("Mude o seu Nome"));
    name_ = zor::PlayerName(nome, shape, zor::PlayerName::slotMachine());

    Label1 = text(m, QStringLiteral("Label1"), QStringLiteral("Altere a categoria:"), {520, 8}, [] {
        QFont f = zor::verdana(8, true);
        f.setUnderline(true);
        return f;
    }(), QColor(0xFF, 0xE6, 0x9A));
    Shape13 = new zor::Shape(m, QStringLiteral("Shape13"), QRect(650, 2, 192, 25));
    Shape13->setPen(QPen(QColor(0xF6, 0xC8, 0x3A), 2));
    ComboBox2 = setChooser(m, QStringLiteral("ComboBox2"), QRect(653, 4, 186, 21));
    ComboBox2->setFont(zor::verdana(8, true));

    auto reel = [m](const QString& name, int left) {
        auto* p = new zor::Picture(m, name, QRect(left, 30, 180, 185));
        // The symbol covers the whole reel: a tick repaints the reel and nothing behind it.
        p->setAttribute(Qt::WA_OpaquePaintEvent);
        return p;
    };
    fig1 = reel(QStringLiteral("fig1"), 30);
    fig2 = reel(QStringLiteral("fig2"), 253);
    fig3 = reel(QStringLiteral("fig3"), 476);
    reels_ = {fig1, fig2, fig3};

    alavanca = new zor::Picture(m, QStringLiteral("alavanca"), QRect(680, 37, 42, 156));
    alavanca->setCursor(Qt::PointingHandCursor);
    alavanca2 = new zor::Picture(m, QStringLiteral("alavanca2"), QRect(680, 37, 42, 156));
    alavanca2->setLayoutPicture(QStringLiteral("slots/alavanca2.jpg"));
    alavanca2->hide();

    possible = new zor::Picture(m, QStringLiteral("possible"), QRect(83, 216, 505, 59));
    possible->hide();
    dim = text(m, QStringLiteral("dim"), QStringLiteral("+ US$ 50,00"), {600, 227}, comicSans(17, true),
               QColor(0xE0, 0x10, 0x18));
    dim->setGeometry(600, 227, 124, 28);
    dim->hide();

    // ---- Machine tab: the lower area ----
    graconf = new zor::Picture(m, QStringLiteral("graconf"), QRect(0, 292, 852, 200));
    graconf->setLayoutPicture(QStringLiteral("slots/graconf.jpg"));

    Shape1 = new zor::Shape(m, QStringLiteral("Shape1"), QRect(8, 298, 540, 162));
    Shape1->setBrush(QColor(255, 255, 255, 175));
    Shape1->setPen(QPen(kFrame, 1));

    const QFont caption = zor::verdana(8, true);
    const QFont value = zor::verdana(8, false);
    auto row = [&](const QString& name, const QString& captionText, int n) {
        return text(m, name, captionText, {20, 306 + 21 * n}, caption);
    };
    Label2 = row(QStringLiteral("Label2"), QStringLiteral("Sua Quantia disponível: "), 0);
    Label3 = row(QStringLiteral("Label3"), QStringLiteral("Quantia ganha: "), 1);
    Label4 = row(QStringLiteral("Label4"), QStringLiteral("Quantia perdida: "), 2);
    Label5 = row(QStringLiteral("Label5"), QStringLiteral("Apostas: "), 3);
    Label6 = row(QStringLiteral("Label6"), QStringLiteral("Número de Vezes com Duas Figuras Iguais: "), 4);
    Label7 = row(QStringLiteral("Label7"), QStringLiteral("Número de Vezes com Três Figuras Iguais: "), 5);
    Label8 = row(QStringLiteral("Label8"), QStringLiteral("Número de Vezes com Nenhuma Figura Igual: "), 6);

    // Money rows: the number stands right-aligned in the blanks of "US$          ,00".
    const QFontMetrics fm(value);
    const int numberLeft = kValueColumn + fm.horizontalAdvance(QStringLiteral("US$ "));
    const int numberWidth = fm.horizontalAdvance(QStringLiteral("US$          ")) - (numberLeft - kValueColumn);
    auto money = [&](const QString& fixedName, const QString& numberName, int n, zor::Label*& fixed) {
        fixed = text(m, fixedName, QStringLiteral("US$          ,00"), {kValueColumn, 306 + 21 * n}, value);
        auto* number = text(m, numberName, QStringLiteral("0"), {numberLeft, 306 + 21 * n}, value);
        number->setGeometry(numberLeft, 306 + 21 * n, numberWidth, fixed->height());
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return number;
    };
    ldinheiro = money(QStringLiteral("Label9"), QStringLiteral("ldinheiro"), 0, Label9);
    lganha = money(QStringLiteral("Label10"), QStringLiteral("lganha"), 1, Label10);
    lperdeu = money(QStringLiteral("Label12"), QStringLiteral("lperdeu"), 2, Label12);
    auto count = [&](const QString& name, int n) {
        auto* c = text(m, name, QStringLiteral("0"), {kValueColumn, 306 + 21 * n}, value);
        c->setGeometry(kValueColumn, 306 + 21 * n, 230, c->height());
        return c;
    };
    lapostas = count(QStringLiteral("lapostas"), 3);
    l2 = count(QStringLiteral("l2"), 4);
    l3 = count(QStringLiteral("l3"), 5);
    ln = count(QStringLiteral("ln"), 6);

    // The options panel.
    Image2 = new zor::Picture(m, QStringLiteral("Image2"), QRect(556, 297, 286, 164));
    Image2->setLayoutPicture(QStringLiteral("slots/opcoes.jpg"));
    QFont heading = zor::verdana(10, true);
    Label11 = text(m, QStringLiteral("Label11"), QStringLiteral("Opções"), {574, 302}, heading,
                   QColor(0x5A, 0x10, 0x10));
    auto option = [&](const QString& name, const QString& captionText, int n) {
        auto* o = text(m, name, captionText, {584, 328 + 18 * n}, zor::verdana(8, true), kInk);
        // A disabled option ("Salvar Jogo" with nothing to save) is greyed out.
        o->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }"
                                        " QLabel:disabled { color: #8C94A6; }")
                             .arg(kInk.name()));
        o->setCursor(Qt::PointingHandCursor);
        options_ << o;
        return o;
    };
    l1 = option(QStringLiteral("l1"), QStringLiteral("Configurações"), 0);
    l22 = option(QStringLiteral("l22"), QStringLiteral("Novo Jogo"), 1);
    lsalvar = option(QStringLiteral("lsalvar"), QStringLiteral("Salvar Jogo"), 2);
    lsalvar->setEnabled(false);
    lcarregar = option(QStringLiteral("lcarregar"), QStringLiteral("Carregar Jogo"), 3);
    l33 = option(QStringLiteral("l33"), QStringLiteral("Menu Principal"), 4);
    l4 = option(QStringLiteral("l4"), QStringLiteral("Tela de Jogos"), 5);
    l5 = option(QStringLiteral("l5"), QStringLiteral("Sair do Jogo"), 6);
    // Underlined and bold captions are wider: every option keeps room for its widest look.
    for (zor::Label* o : options_)
        o->resize(o->width() + 12, o->height());

    l = text(m, QStringLiteral("l"), QStringLiteral("O Jogo foi Carregado com Sucesso !"), {840, 290},
             zor::verdana(8, true), QColor(0xE0, 0x10, 0x18));
    l->setGeometry(840, 290, 200, l->height());
    l->hide();

    buttonx = new zor::Button(m, QStringLiteral("buttonx"), QStringLiteral("buttonx"), QRect(0, 0, 10, 10));
    buttonx->hide();
    buttony = new zor::Button(m, QStringLiteral("buttony"), QStringLiteral("buttony"), QRect(0, 0, 10, 10));
    buttony->hide();

    // ---- Design tab ----
    QWidget* d = TabSheet2;
    graconf2 = new zor::Picture(d, QStringLiteral("graconf2"), QRect(0, 0, 852, 480));
    graconf2->setLayoutPicture(QStringLiteral("slots/graconf.jpg"));
    Image3 = new zor::Picture(d, QStringLiteral("Image3"), QRect(552, 14, 280, 440));
    Image3->setLayoutPicture(QStringLiteral("slots/design.png"));
    auto* panel = new zor::Shape(d, QStringLiteral("Shape6"), QRect(12, 12, 528, 282));
    panel->setBrush(QColor(255, 255, 255, 175));
    panel->setPen(QPen(kFrame, 1));
    Label13 = text(d, QStringLiteral("Label13"), QStringLiteral("Escolha uma categoria do Caça Níquel:"), {28, 26},
                   zor::verdana(9, true));
    ComboBox1 = setChooser(d, QStringLiteral("ComboBox1"), QRect(28, 48, 220, 22));
    auto preview = [d](int n) {
        const int left = 28 + 128 * n;
        auto* frame = new zor::Shape(d, QStringLiteral("Shape%1").arg(n + 2), QRect(left - 2, 92, 109, 109));
        frame->setPen(QPen(kFrame, 1));
        frame->setBrush(QColor(255, 255, 255));
        auto* p = new zor::Picture(d, QStringLiteral("c%1").arg(n + 1), QRect(left, 94, 105, 105));
        return std::pair{frame, p};
    };
    std::tie(Shape2, c1) = preview(0);
    std::tie(Shape3, c2) = preview(1);
    std::tie(Shape4, c3) = preview(2);
    std::tie(Shape5, c4) = preview(3);
    previews_ = {c1, c2, c3, c4};

    Button1 = new zor::Button(d, QStringLiteral("Button1"), QStringLiteral("Tela de design do Cassino ZOR: "),
                              QRect(28, 240, 226, 30));
    Button1->setFont(zor::verdana(8, true));
    Button1->setStyleSheet(QStringLiteral("QPushButton { color: #C00000; }"));
    Button1->setCursor(Qt::PointingHandCursor);
    Button1->setToolTip(QStringLiteral("- Janela onde define a textura do Cassino ZOR"));
    Label14 = text(d, QStringLiteral("Label14"), QStringLiteral("- Janela onde define a textura do Cassino ZOR"),
                   {262, 249}, zor::verdana(8, false));

    // ---- Help tab ----
    QWidget* h = TabSheet3;
    graconf3 = new zor::Picture(h, QStringLiteral("graconf3"), QRect(0, 0, 852, 480));
    graconf3->setLayoutPicture(QStringLiteral("slots/graconf.jpg"));
    Image4 = new zor::Picture(h, QStringLiteral("Image4"), QRect(276, 40, 300, 300));
    Image4->setLayoutPicture(QStringLiteral("slots/ajuda.png"));
    Button2 = new zor::Button(h, QStringLiteral("Button2"), QStringLiteral("Clique aqui para obter ajuda"),
                              QRect(316, 360, 220, 32));
    Button2->setFont(zor::verdana(8, true));
    Button2->setCursor(Qt::PointingHandCursor);

    // ---- Status bar: the pay table ----
    StatusBar1 = new zor::StatusPanels(this, QStringLiteral("StatusBar1"), QRect(0, 537 - kStatusHeight, 852, kStatusHeight),
                                       {200, 200, 200, 110});
    StatusBar1->setPanel(0, QStringLiteral("Nenhuma figura igual = US$ -5,00"));
    StatusBar1->setPanel(1, QStringLiteral("2 Figuras Iguais = US$ 25,00"));
    StatusBar1->setPanel(2, QStringLiteral("Todas Figura Iguais = US$ 50,00"));
    StatusBar1->setPanel(3, QStringLiteral("Apostas = US$ 10,00"));
    // The panels keep the layout's widths; where this desktop's font would not fit a caption in
    // its panel, the font is made smaller.
    StatusBar1->fitFont();

    // ---- Timers ----
    timer1 = new zor::Timer(this, QStringLiteral("timer1"), 90, false);
    Timer2 = new zor::Timer(this, QStringLiteral("Timer2"), 90, false);
    Timer3 = new zor::Timer(this, QStringLiteral("Timer3"), 90, false);
    t1 = new zor::Timer(this, QStringLiteral("t1"), 2656, false);
    Timer4 = new zor::Timer(this, QStringLiteral("Timer4"), 1, false);
    spaceUp = new zor::Timer(this, QStringLiteral("spaceUp"), 40, false);

    // ---- Event wiring ----
    zor::on(IniciarnovoJogo1, &QAction::triggered, this, [this] { IniciarnovoJogo1Click(); });
    zor::on(SalvarJogo1, &QAction::triggered, this, [this] { SalvarJogo1Click(); });
    zor::on(CarregarJogo1, &QAction::triggered, this, [this] { CarregarJogo1Click(); });
    zor::on(Sairparaomenuprincipal1, &QAction::triggered, this, [this] { Sairparaomenuprincipal1Click(); });
    zor::on(SairparaateladeJogos1, &QAction::triggered, this, [this] { SairparaateladeJogos1Click(); });
    zor::on(SairdoJogo1, &QAction::triggered, this, [this] { SairdoJogo1Click(); });
    zor::on(Design1, &QAction::triggered, this, [this] { Design1Click(); });
    zor::on(Configuracoes1, &QAction::triggered, this, [this] { Configuracoes1Click(); });
    zor::on(CacaNiquel1, &QAction::triggered, this, [this] { CacaNiquel1Click(); });
    zor::on(SobreoCassinoZOR1, &QAction::triggered, this, [this] { SobreoCassinoZOR1Click(); });
    zor::on(SobreosDesenvolvedores1, &QAction::triggered, this, [this] { SobreosDesenvolvedores1Click(); });

    zor::on(pagecontrol1, &QTabWidget::currentChanged, this, [this] {
        if (!settingPage_)
            pagecontrol1Change();
    });

    // The lever: any mouse button. The pulled lever takes the release when it lies over the
    // hidden lever, and a press on it acts as one on the lever.
    for (zor::Picture* lever : {alavanca, alavanca2}) {
        zor::on(lever, &zor::Picture::pressed, this, [this] { alavancaMouseDown(); });
        zor::on(lever, &zor::Picture::released, this, [this] { alavancaMouseUp(); });
    }
    zor::on(buttonx, &QPushButton::clicked, this, [this] { buttonxClick(); });
    zor::on(buttony, &QPushButton::clicked, this, [this] { buttonyClick(); });

    zor::on(timer1, &zor::Timer::timeout, this, [this] { timer1Timer(); });
    zor::on(Timer2, &zor::Timer::timeout, this, [this] { Timer2Timer(); });
    zor::on(Timer3, &zor::Timer::timeout, this, [this] { Timer3Timer(); });
    zor::on(t1, &zor::Timer::timeout, this, [this] { t1Timer(); });
    zor::on(Timer4, &zor::Timer::timeout, this, [this] { Timer4Timer(); });
    zor::on(spaceUp, &zor::Timer::timeout, this, [this] { spaceUpTimer(); });

    // Option labels.
    zor::on(l1, &zor::Label::clicked, this, [this] { Configuracoes1Click(); });
    zor::on(l22, &zor::Label::clicked, this, [this] { IniciarnovoJogo1Click(); });
    zor::on(lsalvar, &zor::Label::clicked, this, [this] { lsalvarClick(); });
    zor::on(lcarregar, &zor::Label::clicked, this, [this] { lcarregarClick(); });
    zor::on(l33, &zor::Label::clicked, this, [this] { Sairparaomenuprincipal1Click(); });
    zor::on(l4, &zor::Label::clicked, this, [this] { SairparaateladeJogos1Click(); });
    zor::on(l5, &zor::Label::clicked, this, [this] { SairdoJogo1Click(); });
    for (zor::Label* o : options_)
        zor::on(o, &zor::Label::mouseMoved, this, [this, o] { optionMouseMove(o); });
    zor::on(Image2, &zor::Picture::mouseMoved, this, [this] { Image2MouseMove(); });
    zor::on(Label11, &zor::Label::mouseMoved, this, [this] { Image2MouseMove(); });

    // The name.
    nome->installEventFilter(this);
    zor::on(nome, &zor::Label::mouseMoved, this, [this] { nomeMouseMove(); });

    // Pointer over the machine, the statistics and the lower background.
    for (zor::Picture* p : {Image1, fig1, fig2, fig3, alavanca, alavanca2, possible, graconf})
        zor::on(p, &zor::Picture::mouseMoved, this, [this] { machineMouseMove(); });
    for (zor::Label* s : {Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label12, ldinheiro,
                          lganha, lperdeu, lapostas, l2, l3, ln, dim})
        zor::on(s, &zor::Label::mouseMoved, this, [this] { machineMouseMove(); });
    zor::on(Shape1, &zor::Shape::mouseMoved, this, [this] { machineMouseMove(); });
    // These re-arm the name's hover cue.
    zor::on(fig1, &zor::Picture::mouseMoved, this, [this] { sheetMouseMove(); });
    zor::on(shape, &zor::Shape::mouseMoved, this, [this] { sheetMouseMove(); });
    zor::on(graconf2, &zor::Picture::mouseMoved, this, [this] { sheetMouseMove(); });
    TabSheet1->installEventFilter(this);

    // The symbol set choosers.
    zor::on(ComboBox1, &QComboBox::activated, this, [this] {
        ComboBox1Click();
        ComboBox1Select();
    });
    zor::on(ComboBox2, &QComboBox::activated, this, [this] {
        ComboBox2Click();
        ComboBox1Select();
    });
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    zor::on(Button1, &zor::Button::mouseMoved, this, [this] { Button1MouseMove(); });
    zor::on(Button2, &QPushButton::clicked, this, [this] { CacaNiquel1Click(); });

    // Keyboard: Tab reaches the name and the options as well (Enter acts on them; Space stays the
    // lever), and the ring frames what it reached.
    nome->setFocusPolicy(Qt::TabFocus);
    for (zor::Label* o : options_)
        o->setFocusPolicy(Qt::TabFocus);
    focusRing_ = new zor::FocusRing(this);

    // For screen readers: the lever, the name and the options are buttons; the figures on the
    // reels are named as they change (showOnReel), the counts by their captions.
    for (zor::Picture* lever : {alavanca, alavanca2})
        zor::setAccessibleButton(lever, QStringLiteral("Alavanca"), QStringLiteral("Gira as roletas (tecla Espaço)"),
                                 [this] { zor::guarded([this] { leverByAction(); }); });
    zor::setAccessibleButton(nome, {}, QStringLiteral("Mude o seu Nome"),
                             [this] { zor::guarded([this] { nomeMouseDown(); }); });
    for (zor::Label* o : options_)
        zor::setAccessibleButton(o, {}, {}, [o] { emit o->clicked(); });
    const std::pair<zor::Label*, QString> described[] = {
        {ldinheiro, QStringLiteral("Sua Quantia disponível, US$")}, {lganha, QStringLiteral("Quantia ganha, US$")},
        {lperdeu, QStringLiteral("Quantia perdida, US$")},          {lapostas, QStringLiteral("Apostas")},
        {l2, QStringLiteral("Duas Figuras Iguais")},               {l3, QStringLiteral("Três Figuras Iguais")},
        {ln, QStringLiteral("Nenhuma Figura Igual")}};
    for (const auto& [label, what] : described)
        label->setAccessibleDescription(what);

    // The screen sees every key before its controls do.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(this);
    }
    // The menu bar takes the keyboard after a menu of it is closed with Esc.
    MainMenu1->installEventFilter(this);
}
