// Layouts of the five help screens: each is one page below (its window, every text line with its
// place, the top of "Fechar"), laid out by the parts all text screens share; the heads-or-tails
// help adds its two coin pictures. Lines are "Verdana" 8 point, headings bold; blanks at the end
// of a line belong to its text. The texts are the help as its authors wrote it, spellings
// included ("enbaixo", "atallho", "trapecear"): keep them as they are.
#include "shell/help_screens.h"

namespace {

// Text column: lines start this far from the left edge and run to the same margin on the right.
constexpr int kLeft = 16;
constexpr int kLineHeight = 16;

// The window colours of the layouts.
const QColor kButtonFace(0xF0, 0xF0, 0xF0);
const QColor kSkyBlue(0xA6, 0xCA, 0xF0);

QRect columnLine(int windowWidth, int top)
{
    return QRect(kLeft, top, windowWidth - 2 * kLeft, kLineHeight);
}

struct HelpPage {
    zor::TextScreen::Window window;
    QList<zor::TextLine> lines;
    int fecharTop;
};

const HelpPage& ajudamenu1Page()
{
    const auto column = [](int top) { return columnLine(788, top); };
    static const HelpPage page = {
        {QStringLiteral("ajudamenu1"), QStringLiteral("Ajuda"), QSize(788, 280),
         zor::TitleButtons::CloseAndHelp, kButtonFace, QStringLiteral("help/ajudamenu1.jpg")},
        {
            {"Label1", column(12), true, QStringLiteral("Por onde eu começo ?")},
            {"Label2", column(30), false, QStringLiteral("Neste instante, você está na tela principal do jogo, o \"Menu Principal\", onde temos acesso a várias opções do jogo.")},
            {"Label3", column(52), true, QStringLiteral("Quais são elas ? ")},
            {"Label4", column(70), false, QStringLiteral("O Cassino ZOR possui 3 jogos, para escolher um deles, basta ir na primeira opção depois do \"Menu\", sendo ela: \"Escolher Jogo\", ou")},
            {"Label5", column(86), false, QStringLiteral("se não, vá em Menu > Escolher Jogo, para que possa começar um novo jogo.")},
            {"Label6", column(108), false, QStringLiteral("O Cassino ZOR também possui as configurações do jogo, como música, efeitos de som, design, etc., para acessá-lo, vá em Menu >")},
            {"Label7", column(124), false, QStringLiteral("configurações, ou se não vá na segunda opção após o \"Menu\", ou seja, ao lado direito do \"Escolher Jogo\", para obter mais informações")},
            {"Label8", column(140), false, QStringLiteral("sobre Configurações, acesse-o e clique em \"Ajuda\".")},
            {"Label9", column(162), false, QStringLiteral("Todo software, seja eles, jogos, aplicações, Banco de Dados, etc. existe o chamado \"Sobre\", no menu, encontramos as opções sobre")},
            {"Label10", column(178), false, QStringLiteral("desenvolvedores e também sobre o Cassino ZOR.")},
            {"Label11", column(200), false, QStringLiteral("É possível também, minimizar(diminuir) ou sair(fechar) a tela do jogo, estando disponíveis nos dois últimos botões enbaixo, no menu")},
            {"Label12", column(216), false, QStringLiteral("ou na tela principal.")},
        },
        243,
    };
    return page;
}

const HelpPage& ajudacocPage()
{
    const auto column = [](int top) { return columnLine(742, top); };
    static const HelpPage page = {
        {QStringLiteral("ajudacoc"), QStringLiteral("Ajuda do Cara ou Coroa"), QSize(742, 477),
         zor::TitleButtons::CloseAndHelp, Qt::white, QStringLiteral("help/ajudacoc.jpg")},
        {
            {"Label1", column(14), true, QStringLiteral("Como jogar ?")},
            {"Label2", column(34), false, QStringLiteral("No começo do jogo, o \"Cara ou Coroa\" pede um valor e pede o lado da moeda. Quer lembrar qual lado é qual da moeda ?")},
            {"Label3", column(50), false, QStringLiteral("Muitas pessoas pensam confundem o lado da moeda, invertendo o sua ordem. A face certa é conforme abaixo:")},
            {"Label4", QRect(186, 104, 180, 16), false, QStringLiteral("Cara - sendo")},
            {"Label5", QRect(186, 120, 180, 16), false, QStringLiteral("o valor da moeda")},
            {"Label6", QRect(186, 136, 180, 16), false, QStringLiteral("estampado.")},
            {"Label7", QRect(546, 104, 180, 16), false, QStringLiteral("Coroa - a figura(desenho)")},
            {"Label8", QRect(546, 120, 180, 16), false, QStringLiteral("geralmente a imagem de")},
            {"Label9", QRect(546, 136, 180, 16), false, QStringLiteral("uma pessoa.")},
            {"Label10", QRect(60, 194, 112, 16), true, QStringLiteral("Cara"), Qt::AlignHCenter},
            {"Label11", QRect(420, 194, 112, 16), true, QStringLiteral("Coroa"), Qt::AlignHCenter},
            {"Label12", column(228), true, QStringLiteral("Após escolher o lado...")},
            {"Label13", column(248), false, QStringLiteral("...o jogo irá pedir um modo, sendo eles, Parada Aleatória ou, Parada Manual(Decisão feita pelo jogador), existe um atallho")},
            {"Label14", column(264), false, QStringLiteral("para quando for opção de parada pelo jogador, apertar espaço para \"PARAR\" a moeda, e Enter para \"JOGAR\" a moeda.")},
            {"Label15", column(286), false, QStringLiteral("O jogo permite também gravações na qual só salvar a última rodada, podendo futuramente continuar jogando com o mesmo")},
            {"Label16", column(302), false, QStringLiteral("modo, mesma moeda, mesmas quantidades de apostas, etc.")},
            {"Label17", column(330), true, QStringLiteral("É possível mudar o modo na mesma partida ? E o Design ?")},
            {"Label18", column(350), false, QStringLiteral("Não, só saindo do jogo, salvando e começando outra, ou carregando um jogo de que seja de outro modo, o jogo não permite")},
            {"Label19", column(366), false, QStringLiteral("alterar o modo na mesma partida, basta também clicar em \"Zerar Cara Ou Coroa\" para começar um novo jogo, ou saindo e")},
            {"Label20", column(382), false, QStringLiteral("entrando denovo.")},
        },
        430,
    };
    return page;
}

const HelpPage& ajudacnPage()
{
    const auto column = [](int top) { return columnLine(784, top); };
    static const HelpPage page = {
        {QStringLiteral("ajudacn"), QStringLiteral("Ajuda do Caça-Níquel"), QSize(784, 382),
         zor::TitleButtons::CloseAndHelp, kButtonFace, QStringLiteral("help/ajudacn.jpg")},
        {
            {"Label1", column(14), true, QStringLiteral("Detalhes")},
            {"Label2", column(34), false, QStringLiteral("Primeiramente, vamo falar dos Detalhes pois os detalhes são os mais importante em relação á este trabalho.")},
            {"Label3", column(56), false, QStringLiteral("O trabalho de LP, seria mais ou menos o seguinte: aperfeiçoar o caça-níquel feito durante as aulas, já nosso grupo, decidimos")},
            {"Label4", column(74), false, QStringLiteral("montarmos um Cassino, uma coisa mais complexa, assim poderemos exibir um \"Caça-Níquel\" mais evoluído, sendo assim este seria")},
            {"Label5", column(92), false, QStringLiteral("a atração principal de nosso programa, ou então, a slot machine mais importante do Cassino \" ZOR \".")},
            {"Label6", column(118), true, QStringLiteral("Como Jogar ?")},
            {"Label7", column(138), false, QStringLiteral("A alavanca representa na verdade, o \"girar\" das roletas. Roletas seriam as colunas das figuras, na qual elas giram sorteando uma  ")},
            {"Label8", column(156), false, QStringLiteral("figura qualquer.As Slot Machines, todo cassino tem, mas este nosso tem uma diferença, onde o jogador tem a liberdade de mudar a")},
            {"Label9", column(174), false, QStringLiteral("categoria das figuras das roletas, exemplo: Ferrari, Instrumentos Musicas, Principais Brasões de Times Paulistas, etc.")},
            {"Label10", column(200), true, QStringLiteral("Disseram que eu posso salvar o jogo para continuar jogando uma outra hora, ou outro dia. É verdade ?")},
            {"Label11", column(220), false, QStringLiteral("Sim, é verdade, mas há uma restrição: não é permitido salvar mais de uma vez, ele apenas salva a última partida jogada. Sendo ")},
            {"Label12", column(238), false, QStringLiteral("futuramente carregada para continuar jogando.")},
            {"Label13", column(264), true, QStringLiteral("Consigo trapacear ?")},
            {"Label14", column(284), false, QStringLiteral("Não, não é possível trapecear, as máquina caça-níqueis possuem um cadiado o qual é impossível resgatar mais dinheiro ou ficar ")},
            {"Label15", column(302), false, QStringLiteral("mais fácil o jogo, etc.")},
        },
        340,
    };
    return page;
}

const HelpPage& ajudabjPage()
{
    const auto column = [](int top) { return columnLine(691, top); };
    static const HelpPage page = {
        {QStringLiteral("ajudabj"), QStringLiteral("Ajuda do BlackJack(Jogo do 21)"), QSize(691, 285),
         zor::TitleButtons::CloseAndHelp, Qt::white, QStringLiteral("help/ajudabj.jpg")},
        {
            {"Label1", column(12), true, QStringLiteral("Como funciona ? E por quê ele está dentro do cassino ?")},
            {"Label2", column(32), false, QStringLiteral("Ele funciona basicamente como o BlackJack de \"1-Mão\", nisso tendo o computador como adversário e o jogador ")},
            {"Label3", column(48), false, QStringLiteral("como o cupriê, podendo fazer apostas encima de uma probabilidade de estourar, vencer, ganhar ou até mesmo ")},
            {"Label4", column(64), false, QStringLiteral("empatar com o apresentador do BlackJack no nosso Cassino ZOR. No caso dele estar dentro, é devido ao acrescentar")},
            {"Label5", column(80), false, QStringLiteral("jogos para que fique mais disputado entre as emoções do jogador.")},
            {"Label6", column(104), true, QStringLiteral("Como jogar ?")},
            {"Label7", column(124), false, QStringLiteral("Começe retirando automáticamente 2 cartas no baralho o qual te dá direito de tirar mais 3, pois só é permitido 5")},
            {"Label8", column(140), false, QStringLiteral("cartas por rodada ! Se você tirar 20 e o adversário 19 você ganha, se for ao contrário você perde, a regra é que")},
            {"Label9", column(156), false, QStringLiteral("quem tirar o número mais próximo ao 21 ganha! Mas existem regras, onde você não pode passar de 21, pois se não")},
            {"Label10", column(172), false, QStringLiteral("estourará e quem sabe o seu adversário(computador) ganhe, ou ele pode também estourar, e haverá empate !")},
            {"Label11", column(198), true, QStringLiteral("Lembre-se que o jogo não oferece dinheiro Real, isso é apenas virtual, como no BlackJack, os Euros ")},
            {"Label12", column(214), true, QStringLiteral("são virtuais !")},
            {"Label13", column(230), false, QStringLiteral("Pelo teclado: Enter ou Espaço dá as cartas e tira mais uma; a tecla P é \"Parar\".")},
        },
        246,
    };
    return page;
}

const HelpPage& ajudaconfPage()
{
    const auto column = [](int top) { return columnLine(931, top); };
    static const HelpPage page = {
        {QStringLiteral("ajudaconf"), QStringLiteral("Ajuda de Configurações"), QSize(931, 369),
         zor::TitleButtons::CloseAndHelp, kSkyBlue, QStringLiteral("help/ajudaconf.jpg")},
        {
            {"Label1", column(12), true, QStringLiteral("Música de Fundo [ON/OFF]")},
            {"Label2", column(30), false, QStringLiteral("Clicando em Música de Fundo, habilitará ou desabilitará a música da Tela principal do jogo.")},
            {"Label3", column(54), true, QStringLiteral("Efeitos de Som [ON/OFF]")},
            {"Label4", column(72), false, QStringLiteral("Clicando em Efeitos de Som, habilitará ou desabilitará os sons que quando o jogador passa o mouse encima de um botão ou clicá-lo um som será executado.")},
            {"Label5", column(96), true, QStringLiteral("Animações do Jogo [ON/OFF]")},
            {"Label6", column(114), false, QStringLiteral("Habilitando esta função, a tela principal do jogo, ficará animada, os personagens irão se mexer mas isso depende um pouco do computado, ás vezes o PC fica")},
            {"Label7", column(131), false, QStringLiteral("lento, ou os bonecos ficam piscando constantemente.")},
            {"Label8", column(148), false, QStringLiteral("Desabilitando-a, a tela ficará imóvel(sem animações).")},
            {"Label9", column(172), true, QStringLiteral("Exibir alertas e aviso [ON/OFF]")},
            {"Label10", column(190), false, QStringLiteral("Para as pessoas que gostam de que quando um jogo é salvo, carregado, um alteração, um erro qualquer, receberem um aviso ou uma alerta, é recomendado")},
            {"Label11", column(207), false, QStringLiteral("deixar está opção ligada, devido á cada ocorrimento de avisos ou alertas decorridos durante o jogo.")},
            {"Label12", column(231), true, QStringLiteral("Design")},
            {"Label13", column(249), false, QStringLiteral("É possível alterar a imagem de design do Cassino ZOR, fazendo com que todo o jogo se torne padrão em relação as janelas de modelo(avisos, alertas, entre")},
            {"Label14", column(266), false, QStringLiteral("outras que tenham um conteúdo, exemplo: as Ajudas[como nesta janela] ).")},
        },
        320,
    };
    return page;
}

// The lines, then "Fechar" with its click, then the focus ring.
template <typename Help>
void layOut(Help* help, zor::TextScreen& screen, const HelpPage& page)
{
    help->graconf = screen.background();
    help->lines = screen.addLines(page.lines);
    help->Button1 = screen.addFechar(page.fecharTop, [help] { help->Button1Click(); });
}

} // namespace

Tajudamenu1::Tajudamenu1()
    : screen_(this, ajudamenu1Page().window)
{
    layOut(this, screen_, ajudamenu1Page());
}

Tajudacoc::Tajudacoc()
    : screen_(this, ajudacocPage().window)
{
    // The two faces of a coin, each with its explanation on its right and its name below it.
    Image1 = new zor::Picture(this, QStringLiteral("Image1"), QRect(60, 76, 112, 112));
    Image1->setLayoutPicture(QStringLiteral("help/cara.png"));
    Image2 = new zor::Picture(this, QStringLiteral("Image2"), QRect(420, 76, 112, 112));
    Image2->setLayoutPicture(QStringLiteral("help/coroa.png"));
    layOut(this, screen_, ajudacocPage());
}

Tajudacn::Tajudacn()
    : screen_(this, ajudacnPage().window)
{
    layOut(this, screen_, ajudacnPage());
}

Tajudabj::Tajudabj()
    : screen_(this, ajudabjPage().window)
{
    layOut(this, screen_, ajudabjPage());
}

Tajudaconf::Tajudaconf()
    : screen_(this, ajudaconfPage().window)
{
    layOut(this, screen_, ajudaconfPage());
}
