// Layouts of the five help screens: every text line with its place, the coin pictures of the
// heads-or-tails help, the "Fechar" button and the event wiring. Lines are "Verdana" 8 point,
// headings bold; blanks at the end of a line belong to its text. The texts are the help as its
// authors wrote it, spellings included ("enbaixo", "atallho", "trapecear"): keep them as they are.
#include "shell/help_screens.h"

#include "controls/focus_ring.h"
#include "controls/form.h"
#include "platform/guard.h"

namespace {

// Text column: lines start this far from the left edge and run to the same margin on the right.
constexpr int kLeft = 16;
constexpr int kLineHeight = 16;

// The window colours of the layouts.
const QColor kButtonFace(0xF0, 0xF0, 0xF0);
const QColor kSkyBlue(0xA6, 0xCA, 0xF0);

zor::Label* textLine(QDialog* form, const char* name, QRect rect, bool bold, const QString& text,
                     Qt::Alignment align = Qt::AlignLeft)
{
    auto* l = new zor::Label(form, QString::fromLatin1(name), text, rect);
    l->setFont(zor::verdana(8, bold));
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

zor::Label* plain(QDialog* form, const char* name, int top, const QString& text)
{
    return textLine(form, name, QRect(kLeft, top, form->width() - 2 * kLeft, kLineHeight), false, text);
}

zor::Label* heading(QDialog* form, const char* name, int top, const QString& text)
{
    return textLine(form, name, QRect(kLeft, top, form->width() - 2 * kLeft, kLineHeight), true, text);
}

// The themed background, stretched over the whole client area, with the layout's own picture
// shown until the theme is first applied.
zor::Picture* background(QDialog* form, const QString& picture)
{
    auto* p = new zor::Picture(form, QStringLiteral("graconf"), QRect(QPoint(0, 0), form->size()));
    p->setLayoutPicture(picture);
    return p;
}

// "Fechar", centred near the bottom edge.
zor::Button* closeButton(QDialog* form, int top)
{
    constexpr int w = 75;
    auto* b = new zor::Button(form, QStringLiteral("Button1"), QStringLiteral("Fechar"),
                              QRect((form->width() - w) / 2, top, w, 25));
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

void Tajudamenu1::layout()
{
    zor::setupForm(this, QStringLiteral("ajudamenu1"), QStringLiteral("Ajuda"), QSize(788, 280),
                   zor::TitleButtons::CloseAndHelp, kButtonFace);
    graconf = background(this, QStringLiteral("help/ajudamenu1.jpg"));

    Label1 = heading(this, "Label1", 12, QStringLiteral("Por onde eu começo ?"));
    Label2 = plain(this, "Label2", 30, QStringLiteral("Neste instante, você está na tela principal do jogo, o \"Menu Principal\", onde temos acesso a várias opções do jogo."));
    Label3 = heading(this, "Label3", 52, QStringLiteral("Quais são elas ? "));
    Label4 = plain(this, "Label4", 70, QStringLiteral("O Cassino ZOR possui 3 jogos, para escolher um deles, basta ir na primeira opção depois do \"Menu\", sendo ela: \"Escolher Jogo\", ou"));
    Label5 = plain(this, "Label5", 86, QStringLiteral("se não, vá em Menu > Escolher Jogo, para que possa começar um novo jogo."));
    Label6 = plain(this, "Label6", 108, QStringLiteral("O Cassino ZOR também possui as configurações do jogo, como música, efeitos de som, design, etc., para acessá-lo, vá em Menu >"));
    Label7 = plain(this, "Label7", 124, QStringLiteral("configurações, ou se não vá na segunda opção após o \"Menu\", ou seja, ao lado direito do \"Escolher Jogo\", para obter mais informações"));
    Label8 = plain(this, "Label8", 140, QStringLiteral("sobre Configurações, acesse-o e clique em \"Ajuda\"."));
    Label9 = plain(this, "Label9", 162, QStringLiteral("Todo software, seja eles, jogos, aplicações, Banco de Dados, etc. existe o chamado \"Sobre\", no menu, encontramos as opções sobre"));
    Label10 = plain(this, "Label10", 178, QStringLiteral("desenvolvedores e também sobre o Cassino ZOR."));
    Label11 = plain(this, "Label11", 200, QStringLiteral("É possível também, minimizar(diminuir) ou sair(fechar) a tela do jogo, estando disponíveis nos dois últimos botões enbaixo, no menu"));
    Label12 = plain(this, "Label12", 216, QStringLiteral("ou na tela principal."));

    Button1 = closeButton(this, 243);
    new zor::FocusRing(this);
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void Tajudacoc::layout()
{
    zor::setupForm(this, QStringLiteral("ajudacoc"), QStringLiteral("Ajuda do Cara ou Coroa"), QSize(742, 477),
                   zor::TitleButtons::CloseAndHelp, Qt::white);
    graconf = background(this, QStringLiteral("help/ajudacoc.jpg"));

    // The two faces of a coin, each with its explanation on its right and its name below it.
    Image1 = new zor::Picture(this, QStringLiteral("Image1"), QRect(60, 76, 112, 112));
    Image1->setLayoutPicture(QStringLiteral("help/cara.png"));
    Image2 = new zor::Picture(this, QStringLiteral("Image2"), QRect(420, 76, 112, 112));
    Image2->setLayoutPicture(QStringLiteral("help/coroa.png"));

    Label1 = heading(this, "Label1", 14, QStringLiteral("Como jogar ?"));
    Label2 = plain(this, "Label2", 34, QStringLiteral("No começo do jogo, o \"Cara ou Coroa\" pede um valor e pede o lado da moeda. Quer lembrar qual lado é qual da moeda ?"));
    Label3 = plain(this, "Label3", 50, QStringLiteral("Muitas pessoas pensam confundem o lado da moeda, invertendo o sua ordem. A face certa é conforme abaixo:"));
    Label4 = textLine(this, "Label4", {186, 104, 180, 16}, false, QStringLiteral("Cara - sendo"));
    Label5 = textLine(this, "Label5", {186, 120, 180, 16}, false, QStringLiteral("o valor da moeda"));
    Label6 = textLine(this, "Label6", {186, 136, 180, 16}, false, QStringLiteral("estampado."));
    Label7 = textLine(this, "Label7", {546, 104, 180, 16}, false, QStringLiteral("Coroa - a figura(desenho)"));
    Label8 = textLine(this, "Label8", {546, 120, 180, 16}, false, QStringLiteral("geralmente a imagem de"));
    Label9 = textLine(this, "Label9", {546, 136, 180, 16}, false, QStringLiteral("uma pessoa."));
    Label10 = textLine(this, "Label10", {60, 194, 112, 16}, true, QStringLiteral("Cara"), Qt::AlignHCenter);
    Label11 = textLine(this, "Label11", {420, 194, 112, 16}, true, QStringLiteral("Coroa"), Qt::AlignHCenter);
    Label12 = heading(this, "Label12", 228, QStringLiteral("Após escolher o lado..."));
    Label13 = plain(this, "Label13", 248, QStringLiteral("...o jogo irá pedir um modo, sendo eles, Parada Aleatória ou, Parada Manual(Decisão feita pelo jogador), existe um atallho"));
    Label14 = plain(this, "Label14", 264, QStringLiteral("para quando for opção de parada pelo jogador, apertar espaço para \"PARAR\" a moeda, e Enter para \"JOGAR\" a moeda."));
    Label15 = plain(this, "Label15", 286, QStringLiteral("O jogo permite também gravações na qual só salvar a última rodada, podendo futuramente continuar jogando com o mesmo"));
    Label16 = plain(this, "Label16", 302, QStringLiteral("modo, mesma moeda, mesmas quantidades de apostas, etc."));
    Label17 = heading(this, "Label17", 330, QStringLiteral("É possível mudar o modo na mesma partida ? E o Design ?"));
    Label18 = plain(this, "Label18", 350, QStringLiteral("Não, só saindo do jogo, salvando e começando outra, ou carregando um jogo de que seja de outro modo, o jogo não permite"));
    Label19 = plain(this, "Label19", 366, QStringLiteral("alterar o modo na mesma partida, basta também clicar em \"Zerar Cara Ou Coroa\" para começar um novo jogo, ou saindo e"));
    Label20 = plain(this, "Label20", 382, QStringLiteral("entrando denovo."));

    Button1 = closeButton(this, 430);
    new zor::FocusRing(this);
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void Tajudacn::layout()
{
    zor::setupForm(this, QStringLiteral("ajudacn"), QStringLiteral("Ajuda do Caça-Níquel"), QSize(784, 382),
                   zor::TitleButtons::CloseAndHelp, kButtonFace);
    graconf = background(this, QStringLiteral("help/ajudacn.jpg"));

    Label1 = heading(this, "Label1", 14, QStringLiteral("Detalhes"));
    Label2 = plain(this, "Label2", 34, QStringLiteral("Primeiramente, vamo falar dos Detalhes pois os detalhes são os mais importante em relação á este trabalho."));
    Label3 = plain(this, "Label3", 56, QStringLiteral("O trabalho de LP, seria mais ou menos o seguinte: aperfeiçoar o caça-níquel feito durante as aulas, já nosso grupo, decidimos"));
    Label4 = plain(this, "Label4", 74, QStringLiteral("montarmos um Cassino, uma coisa mais complexa, assim poderemos exibir um \"Caça-Níquel\" mais evoluído, sendo assim este seria"));
    Label5 = plain(this, "Label5", 92, QStringLiteral("a atração principal de nosso programa, ou então, a slot machine mais importante do Cassino \" ZOR \"."));
    Label6 = heading(this, "Label6", 118, QStringLiteral("Como Jogar ?"));
    Label7 = plain(this, "Label7", 138, QStringLiteral("A alavanca representa na verdade, o \"girar\" das roletas. Roletas seriam as colunas das figuras, na qual elas giram sorteando uma  "));
    Label8 = plain(this, "Label8", 156, QStringLiteral("figura qualquer.As Slot Machines, todo cassino tem, mas este nosso tem uma diferença, onde o jogador tem a liberdade de mudar a"));
    Label9 = plain(this, "Label9", 174, QStringLiteral("categoria das figuras das roletas, exemplo: Ferrari, Instrumentos Musicas, Principais Brasões de Times Paulistas, etc."));
    Label10 = heading(this, "Label10", 200, QStringLiteral("Disseram que eu posso salvar o jogo para continuar jogando uma outra hora, ou outro dia. É verdade ?"));
    Label11 = plain(this, "Label11", 220, QStringLiteral("Sim, é verdade, mas há uma restrição: não é permitido salvar mais de uma vez, ele apenas salva a última partida jogada. Sendo "));
    Label12 = plain(this, "Label12", 238, QStringLiteral("futuramente carregada para continuar jogando."));
    Label13 = heading(this, "Label13", 264, QStringLiteral("Consigo trapacear ?"));
    Label14 = plain(this, "Label14", 284, QStringLiteral("Não, não é possível trapecear, as máquina caça-níqueis possuem um cadiado o qual é impossível resgatar mais dinheiro ou ficar "));
    Label15 = plain(this, "Label15", 302, QStringLiteral("mais fácil o jogo, etc."));

    Button1 = closeButton(this, 340);
    new zor::FocusRing(this);
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void Tajudabj::layout()
{
    zor::setupForm(this, QStringLiteral("ajudabj"), QStringLiteral("Ajuda do BlackJack(Jogo do 21)"), QSize(691, 285),
                   zor::TitleButtons::CloseAndHelp, Qt::white);
    graconf = background(this, QStringLiteral("help/ajudabj.jpg"));

    Label1 = heading(this, "Label1", 12, QStringLiteral("Como funciona ? E por quê ele está dentro do cassino ?"));
    Label2 = plain(this, "Label2", 32, QStringLiteral("Ele funciona basicamente como o BlackJack de \"1-Mão\", nisso tendo o computador como adversário e o jogador "));
    Label3 = plain(this, "Label3", 48, QStringLiteral("como o cupriê, podendo fazer apostas encima de uma probabilidade de estourar, vencer, ganhar ou até mesmo "));
    Label4 = plain(this, "Label4", 64, QStringLiteral("empatar com o apresentador do BlackJack no nosso Cassino ZOR. No caso dele estar dentro, é devido ao acrescentar"));
    Label5 = plain(this, "Label5", 80, QStringLiteral("jogos para que fique mais disputado entre as emoções do jogador."));
    Label6 = heading(this, "Label6", 104, QStringLiteral("Como jogar ?"));
    Label7 = plain(this, "Label7", 124, QStringLiteral("Começe retirando automáticamente 2 cartas no baralho o qual te dá direito de tirar mais 3, pois só é permitido 5"));
    Label8 = plain(this, "Label8", 140, QStringLiteral("cartas por rodada ! Se você tirar 20 e o adversário 19 você ganha, se for ao contrário você perde, a regra é que"));
    Label9 = plain(this, "Label9", 156, QStringLiteral("quem tirar o número mais próximo ao 21 ganha! Mas existem regras, onde você não pode passar de 21, pois se não"));
    Label10 = plain(this, "Label10", 172, QStringLiteral("estourará e quem sabe o seu adversário(computador) ganhe, ou ele pode também estourar, e haverá empate !"));
    Label11 = heading(this, "Label11", 198, QStringLiteral("Lembre-se que o jogo não oferece dinheiro Real, isso é apenas virtual, como no BlackJack, os Euros "));
    Label12 = heading(this, "Label12", 214, QStringLiteral("são virtuais !"));
    Label13 = plain(this, "Label13", 230, QStringLiteral("Pelo teclado: Enter ou Espaço dá as cartas e tira mais uma; a tecla P é \"Parar\"."));

    Button1 = closeButton(this, 246);
    new zor::FocusRing(this);
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void Tajudaconf::layout()
{
    zor::setupForm(this, QStringLiteral("ajudaconf"), QStringLiteral("Ajuda de Configurações"), QSize(931, 369),
                   zor::TitleButtons::CloseAndHelp, kSkyBlue);
    graconf = background(this, QStringLiteral("help/ajudaconf.jpg"));

    Label1 = heading(this, "Label1", 12, QStringLiteral("Música de Fundo [ON/OFF]"));
    Label2 = plain(this, "Label2", 30, QStringLiteral("Clicando em Música de Fundo, habilitará ou desabilitará a música da Tela principal do jogo."));
    Label3 = heading(this, "Label3", 54, QStringLiteral("Efeitos de Som [ON/OFF]"));
    Label4 = plain(this, "Label4", 72, QStringLiteral("Clicando em Efeitos de Som, habilitará ou desabilitará os sons que quando o jogador passa o mouse encima de um botão ou clicá-lo um som será executado."));
    Label5 = heading(this, "Label5", 96, QStringLiteral("Animações do Jogo [ON/OFF]"));
    Label6 = plain(this, "Label6", 114, QStringLiteral("Habilitando esta função, a tela principal do jogo, ficará animada, os personagens irão se mexer mas isso depende um pouco do computado, ás vezes o PC fica"));
    Label7 = plain(this, "Label7", 131, QStringLiteral("lento, ou os bonecos ficam piscando constantemente."));
    Label8 = plain(this, "Label8", 148, QStringLiteral("Desabilitando-a, a tela ficará imóvel(sem animações)."));
    Label9 = heading(this, "Label9", 172, QStringLiteral("Exibir alertas e aviso [ON/OFF]"));
    Label10 = plain(this, "Label10", 190, QStringLiteral("Para as pessoas que gostam de que quando um jogo é salvo, carregado, um alteração, um erro qualquer, receberem um aviso ou uma alerta, é recomendado"));
    Label11 = plain(this, "Label11", 207, QStringLiteral("deixar está opção ligada, devido á cada ocorrimento de avisos ou alertas decorridos durante o jogo."));
    Label12 = heading(this, "Label12", 231, QStringLiteral("Design"));
    Label13 = plain(this, "Label13", 249, QStringLiteral("É possível alterar a imagem de design do Cassino ZOR, fazendo com que todo o jogo se torne padrão em relação as janelas de modelo(avisos, alertas, entre"));
    Label14 = plain(this, "Label14", 266, QStringLiteral("outras que tenham um conteúdo, exemplo: as Ajudas[como nesta janela] )."));

    Button1 = closeButton(this, 320);
    new zor::FocusRing(this);
    zor::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}
