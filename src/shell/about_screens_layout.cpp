// Layouts of the two about screens: texts, pictures, frames, the read-only fields of the
// developers screen and the event wiring. The window, the background, the text lines and
// "Fechar" are the parts every text screen shares (shell/text_screen.h). Texts are "Verdana"
// 8 point, headings bold.
#include "shell/about_screens.h"

#include "platform/guard.h"

#include <QLineEdit>

namespace {

constexpr int kLineHeight = 16;

// A thin gold frame over a veil of white, so that the text inside stays readable on every theme.
zor::Shape* frame(QDialog* form, const char* name, QRect rect)
{
    auto* s = new zor::Shape(form, QString::fromLatin1(name), rect);
    s->setPen(QPen(QColor(0xA8, 0x80, 0x2A), 1));
    s->setBrush(QColor(255, 255, 255, 110));
    return s;
}

} // namespace

Tcassino::Tcassino()
    : screen_(this, {QStringLiteral("cassino"), QStringLiteral("O Cassino ZOR"), QSize(953, 575),
                     zor::TitleButtons::CloseOnly, Qt::white, QStringLiteral("about/cassino_fundo.jpg")})
{
    graconf = screen_.background();

    Image1 = new zor::Picture(this, QStringLiteral("Image1"), QRect(16, 16, 320, 492));
    Image1->setLayoutPicture(QStringLiteral("about/cassino.jpg"));
    Image2 = new zor::Picture(this, QStringLiteral("Image2"), QRect(352, 16, 585, 50));
    Image2->setLayoutPicture(QStringLiteral("about/logo.png"));

    // Four topics, one frame each; the lines of a frame start 14 pixels inside it.
    constexpr int fx = 352, fw = 585, tx = fx + 14, tw = fw - 28, step = 18;
    auto line = [this](const char* name, int top, bool bold, const QString& text) {
        return screen_.addLine({name, QRect(tx, top, tw, kLineHeight), bold, text});
    };

    Shape1 = frame(this, "Shape1", QRect(fx, 78, fw, 106));
    Label1 = line("Label1", 86, true, QStringLiteral("Como surgiu o Cassino ZOR ?"));
    Label2 = line("Label2", 86 + step, false,
                  QStringLiteral("O Cassino ZOR começou como um trabalho da matéria de Linguagem de Programação (LP): a"));
    Label3 = line("Label3", 86 + 2 * step, false,
                  QStringLiteral("tarefa era aperfeiçoar o caça-níquel feito durante as aulas. O nosso grupo achou pouco e"));
    Label4 = line("Label4", 86 + 3 * step, false,
                  QStringLiteral("resolveu montar um cassino inteiro, com três jogos (Cara ou Coroa, Caça-Níquel e BlackJack),"));
    Label5 = line("Label5", 86 + 4 * step, false,
                  QStringLiteral("música de fundo, efeitos de som e janelas que mudam de cor conforme o gosto do jogador."));

    Shape2 = frame(this, "Shape2", QRect(fx, 198, fw, 124));
    Label6 = line("Label6", 206, true, QStringLiteral("O que é um cassino ?"));
    Label7 = line("Label7", 206 + step, false,
                  QStringLiteral("Cassino é uma casa de jogos de azar, onde as pessoas apostam dinheiro em roletas, cartas,"));
    Label8 = line("Label8", 206 + 2 * step, false,
                  QStringLiteral("dados e máquinas caça-níqueis, quase sempre cercadas de luzes, música, shows e restaurantes."));
    Label9 = line("Label9", 206 + 3 * step, false,
                  QStringLiteral("As cidades mais famosas pelos seus cassinos são Las Vegas, nos Estados Unidos, Monte Carlo,"));
    Label10 = line("Label10", 206 + 4 * step, false,
                   QStringLiteral("em Mônaco, e Macau, na China. No Brasil, os cassinos funcionaram até 1946, quando os jogos de"));
    Label11 = line("Label11", 206 + 5 * step, false, QStringLiteral("azar foram proibidos em todo o país."));

    Shape3 = frame(this, "Shape3", QRect(fx, 336, fw, 88));
    Label12 = line("Label12", 344, true, QStringLiteral("Atenção !"));
    Label13 = line("Label13", 344 + step, false,
                   QStringLiteral("O Cassino ZOR é fictício: ele não existe em nenhuma cidade e não aceita apostas de verdade."));
    Label14 = line("Label14", 344 + 2 * step, false,
                   QStringLiteral("Todo o dinheiro do jogo, sejam os reais do Cara ou Coroa, os dólares do Caça-Níquel ou os euros"));
    Label15 = line("Label15", 344 + 3 * step, false,
                   QStringLiteral("do BlackJack, é virtual e serve apenas para a diversão do jogador."));

    Shape4 = frame(this, "Shape4", QRect(fx, 438, fw, 70));
    Label16 = line("Label16", 446, true, QStringLiteral("E por que o nome ZOR ?"));
    Label17 = line("Label17", 446 + step, false,
                   QStringLiteral("ZOR são as iniciais dos três desenvolvedores do cassino: Zacarias, Otávia e Rodrigo."));
    Label18 = line("Label18", 446 + 2 * step, false,
                   QStringLiteral("Quer conhecê-los ? Abra a tela dos Desenvolvedores no menu principal do jogo."));

    Button1 = screen_.addFechar(534, [this] { Button1Click(); });
}

Tdesen::Tdesen()
    : screen_(this, {QStringLiteral("desen"), QStringLiteral("Desenvolvedores"), QSize(688, 460),
                     zor::TitleButtons::CloseOnly, Qt::white, QStringLiteral("about/desen_fundo.jpg")})
{
    graconf = screen_.background();
    zor::on(graconf, &zor::Picture::mouseMoved, this, [this] { graconfMouseMove(); });

    const int tw = width() - 32;
    Label1 = screen_.addLine({"Label1", QRect(16, 12, tw, kLineHeight), true, QStringLiteral("Quem somos ?")});
    Label2 = screen_.addLine({"Label2", QRect(16, 30, tw, kLineHeight), false,
                             QStringLiteral("Somos três alunos do 2º ano do curso Técnico em Informática da Escola Técnica Estadual Vale")});
    Label3 = screen_.addLine({"Label3", QRect(16, 46, tw, kLineHeight), false,
                             QStringLiteral("do Sabiá (uma escola que só existe neste jogo), turma B do período noturno. O Cassino ZOR")});
    Label4 = screen_.addLine({"Label4", QRect(16, 62, tw, kLineHeight), false,
                             QStringLiteral("foi o nosso trabalho de LP, orientado pelo professor Anselmo Quintiliano Borba.")});
    Label5 = screen_.addLine({"Label5", QRect(16, 90, tw, kLineHeight), true,
                             QStringLiteral("Passe o Mouse encima para visualizar detalhes sobre os desenvolvedores: ")});

    // One frame per author: portrait on top, the hover-sensitive name below it.
    auto card = [this](int i, zor::Shape*& shape, zor::Picture*& portrait, zor::Label*& name,
                       const char* shapeName, const char* imageName, const char* labelName) {
        const int x = 34 + i * 215;
        shape = frame(this, shapeName, QRect(x, 114, 190, 200));
        portrait = new zor::Picture(this, QString::fromLatin1(imageName), QRect(x + 35, 124, 120, 140));
        portrait->setLayoutPicture(QStringLiteral("about/dev%1.png").arg(i + 1));
        name = screen_.addLine({labelName, QRect(x + 5, 274, 180, 18), true, author(i).name, Qt::AlignHCenter});
        name->setCursor(Qt::CrossCursor);
    };
    card(0, Shape1, Image1, Label10, "Shape1", "Image1", "Label10");
    card(1, Shape2, Image2, Label11, "Shape2", "Image2", "Label11");
    card(2, Shape3, Image3, Label12, "Shape3", "Image3", "Label12");
    zor::on(Label10, &zor::Label::mouseMoved, this, [this] { Label10MouseMove(); });
    zor::on(Label11, &zor::Label::mouseMoved, this, [this] { Label11MouseMove(); });
    zor::on(Label12, &zor::Label::mouseMoved, this, [this] { Label12MouseMove(); });

    auto field = [this](const char* name, QRect rect) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(rect);
        e->setFont(zor::verdana(8));
        e->setReadOnly(true);
        return e;
    };
    Label6 = screen_.addLine({"Label6", QRect(95, 335, 44, kLineHeight), false, QStringLiteral("Idade: ")});
    e1 = field("e1", QRect(139, 332, 40, 21));
    Label7 = screen_.addLine({"Label7", QRect(199, 335, 52, kLineHeight), false, QStringLiteral("E-mail: ")});
    e2 = field("e2", QRect(251, 332, 250, 21));
    Label8 = screen_.addLine({"Label8", QRect(521, 335, 26, kLineHeight), false, QStringLiteral("Nº:")});
    e3 = field("e3", QRect(547, 332, 46, 21));
    e1->setAccessibleName(QStringLiteral("Idade"));
    e2->setAccessibleName(QStringLiteral("E-mail"));
    e3->setAccessibleName(QStringLiteral("Nº"));

    Label9 = screen_.addLine({"Label9", QRect(16, 374, tw, kLineHeight), true,
                             QStringLiteral("Aperfeiçoamento do Jogo   ..:: Caça - Níquel ::.. 1.0"), Qt::AlignHCenter});

    Button1 = screen_.addFechar(418, [this] { Button1Click(); });
    Button1->setDefault(true);
    // The fields are read-only: the window opens with the focus on "Fechar".
    Button1->setFocus();
}
