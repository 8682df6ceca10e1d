// The five help screens and the two about screens: their texts, windows, theme, closing, and the
// developers screen's hover fields.
#include "app/screens.h"
#include "controls/picture.h"
#include "fakes.h"
#include "platform/services.h"
#include "settings/store.h"
#include "shell/about_screens.h"
#include "shell/help_screens.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QTest>

using namespace zor;

namespace {

QDialog* screen(const QString& name)
{
    if (name == "ajudamenu1") return ajudamenu1;
    if (name == "ajudacoc") return ajudacoc;
    if (name == "ajudacn") return ajudacn;
    if (name == "ajudabj") return ajudabj;
    if (name == "ajudaconf") return ajudaconf;
    if (name == "cassino") return cassino;
    if (name == "desen") return desen;
    return nullptr;
}

const QStringList kHelpScreens = {"ajudamenu1", "ajudacoc", "ajudacn", "ajudabj", "ajudaconf"};
const QStringList kAllScreens = kHelpScreens + QStringList{"cassino", "desen"};

Label* label(QDialog* d, const QString& name)
{
    auto* l = d->findChild<Label*>(name, Qt::FindDirectChildrenOnly);
    if (!l)
        qFatal("%s has no %s", qPrintable(d->objectName()), qPrintable(name));
    return l;
}

// The text lines of a screen (Label1, Label2, ...), in number order.
QList<Label*> textLines(QDialog* d)
{
    QList<Label*> out;
    for (int i = 1;; ++i) {
        auto* l = d->findChild<Label*>(QStringLiteral("Label%1").arg(i), Qt::FindDirectChildrenOnly);
        if (!l)
            return out;
        out << l;
    }
}

QStringList boldLines(QDialog* d)
{
    QStringList out;
    for (Label* l : textLines(d)) {
        if (l->font().bold())
            out << l->objectName();
    }
    return out;
}

bool shows(Picture* p, const QString& file)
{
    return !p->picture().isNull() && p->picture().toImage() == loadPictureFile(file).toImage();
}

} // namespace

class HelpAndAbout : public QObject {
    Q_OBJECT

    std::unique_ptr<zortest::TestEnv> env;

    // Opens a screen modally; the script plays the player's part while it is on view.
    void open(const QString& name, std::function<void(QDialog*)> script = {})
    {
        env->openModal(screen(name), [script](QDialog* d) {
            QVERIFY(QTest::qWaitForWindowExposed(d));
            if (script)
                script(d);
        });
    }

private slots:
    void initTestCase() { initApplication(); }
    void init()
    {
        env = std::make_unique<zortest::TestEnv>(zortest::TestEnv::WithGameFiles);
        settings().loadAll();
        createScreens();
    }
    void cleanup()
    {
        destroyScreens();
        env.reset();
    }

    void windows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("helpBox");
        const QColor buttonFace(0xF0, 0xF0, 0xF0), skyBlue(0xA6, 0xCA, 0xF0);
        QTest::newRow("ajudamenu1") << "ajudamenu1" << "Ajuda" << QSize(788, 280) << buttonFace << true;
        QTest::newRow("ajudacoc") << "ajudacoc" << "Ajuda do Cara ou Coroa" << QSize(742, 477) << QColor(Qt::white) << true;
        QTest::newRow("ajudacn") << "ajudacn" << "Ajuda do Caça-Níquel" << QSize(784, 382) << buttonFace << true;
        QTest::newRow("ajudabj") << "ajudabj" << "Ajuda do BlackJack(Jogo do 21)" << QSize(691, 285) << QColor(Qt::white)
                                 << true;
        QTest::newRow("ajudaconf") << "ajudaconf" << "Ajuda de Configurações" << QSize(931, 369) << skyBlue << true;
        QTest::newRow("cassino") << "cassino" << "O Cassino ZOR" << QSize(953, 575) << QColor(Qt::white) << false;
        QTest::newRow("desen") << "desen" << "Desenvolvedores" << QSize(688, 460) << QColor(Qt::white) << false;
    }

    // Caption, size, colour and title-bar boxes; the background covers the window; "Fechar"
    // sits centred near the bottom with a hand cursor; every layout picture is there.
    void windows()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QColor, colour);
        QFETCH(bool, helpBox);
        QDialog* d = screen(name);
        QCOMPARE(d->objectName(), name);
        QCOMPARE(d->windowTitle(), caption);
        QCOMPARE(d->size(), size);
        QCOMPARE(d->palette().color(QPalette::Window), colour);
        QVERIFY(d->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(d->windowFlags().testFlag(Qt::WindowContextHelpButtonHint), helpBox);
        QVERIFY(!d->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

        auto* graconf = d->findChild<Picture*>("graconf");
        QVERIFY(graconf);
        QCOMPARE(graconf->geometry(), QRect(QPoint(0, 0), size));
        QCOMPARE(d->children().indexOf(graconf), 0); // behind everything else

        auto* fechar = d->findChild<Button*>("Button1");
        QVERIFY(fechar);
        QCOMPARE(fechar->text(), QStringLiteral("Fechar"));
        QCOMPARE(fechar->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(std::abs(fechar->geometry().center().x() - size.width() / 2) <= 1);
        QVERIFY(size.height() - fechar->geometry().bottom() < 40);

        for (Picture* p : d->findChildren<Picture*>())
            QVERIFY2(p->hasPicture(), qPrintable(p->objectName()));
    }

    void helpTextsAsWritten()
    {
        // Line count and headings of each help screen.
        QCOMPARE(textLines(ajudamenu1).size(), 12);
        QCOMPARE(boldLines(ajudamenu1), QStringList({"Label1", "Label3"}));
        QCOMPARE(textLines(ajudacoc).size(), 20);
        QCOMPARE(boldLines(ajudacoc), QStringList({"Label1", "Label10", "Label11", "Label12", "Label17"}));
        QCOMPARE(textLines(ajudacn).size(), 15);
        QCOMPARE(boldLines(ajudacn), QStringList({"Label1", "Label6", "Label10", "Label13"}));
        QCOMPARE(textLines(ajudabj).size(), 13);
        QCOMPARE(boldLines(ajudabj), QStringList({"Label1", "Label6", "Label11", "Label12"}));
        QCOMPARE(textLines(ajudaconf).size(), 14);
        QCOMPARE(boldLines(ajudaconf), QStringList({"Label1", "Label3", "Label5", "Label9", "Label12"}));

        // Lines with blanks at the end, quotes, accents and the texts' own spellings.
        QCOMPARE(label(ajudamenu1, "Label3")->text(), QStringLiteral("Quais são elas ? "));
        QCOMPARE(label(ajudamenu1, "Label2")->text(),
                 QStringLiteral("Neste instante, você está na tela principal do jogo, o \"Menu Principal\", onde temos "
                                "acesso a várias opções do jogo."));
        QCOMPARE(label(ajudamenu1, "Label11")->text(),
                 QStringLiteral("É possível também, minimizar(diminuir) ou sair(fechar) a tela do jogo, estando "
                                "disponíveis nos dois últimos botões enbaixo, no menu"));
        QCOMPARE(label(ajudacoc, "Label13")->text(),
                 QStringLiteral("...o jogo irá pedir um modo, sendo eles, Parada Aleatória ou, Parada Manual(Decisão feita "
                                "pelo jogador), existe um atallho"));
        QCOMPARE(label(ajudacoc, "Label10")->text(), QStringLiteral("Cara"));
        QCOMPARE(label(ajudacoc, "Label11")->text(), QStringLiteral("Coroa"));
        QCOMPARE(label(ajudacoc, "Label20")->text(), QStringLiteral("entrando denovo."));
        QCOMPARE(label(ajudacn, "Label5")->text(),
                 QStringLiteral("a atração principal de nosso programa, ou então, a slot machine mais importante do "
                                "Cassino \" ZOR \"."));
        QCOMPARE(label(ajudacn, "Label7")->text(),
                 QStringLiteral("A alavanca representa na verdade, o \"girar\" das roletas. Roletas seriam as colunas das "
                                "figuras, na qual elas giram sorteando uma  "));
        QCOMPARE(label(ajudacn, "Label11")->text(),
                 QStringLiteral("Sim, é verdade, mas há uma restrição: não é permitido salvar mais de uma vez, ele apenas "
                                "salva a última partida jogada. Sendo "));
        QCOMPARE(label(ajudabj, "Label3")->text(),
                 QStringLiteral("como o cupriê, podendo fazer apostas encima de uma probabilidade de estourar, vencer, "
                                "ganhar ou até mesmo "));
        QCOMPARE(label(ajudabj, "Label11")->text(),
                 QStringLiteral("Lembre-se que o jogo não oferece dinheiro Real, isso é apenas virtual, como no BlackJack, "
                                "os Euros "));
        // The table's keys, the stand key among them.
        QCOMPARE(label(ajudabj, "Label13")->text(),
                 QStringLiteral("Pelo teclado: Enter ou Espaço dá as cartas e tira mais uma; a tecla P é \"Parar\"."));
        QCOMPARE(label(ajudaconf, "Label9")->text(), QStringLiteral("Exibir alertas e aviso [ON/OFF]"));
        QCOMPARE(label(ajudaconf, "Label14")->text(),
                 QStringLiteral("outras que tenham um conteúdo, exemplo: as Ajudas[como nesta janela] )."));
    }

    void aboutTextsInTheirOrder()
    {
        // The casino: how it came about, casinos and their cities, fiction and virtual money, the name.
        const QList<Label*> lines = textLines(cassino);
        QVERIFY(lines.size() >= 8);
        auto firstLineWith = [&](const QString& pattern) {
            const QRegularExpression re(pattern);
            for (int i = 0; i < lines.size(); ++i) {
                if (re.match(lines[i]->text()).hasMatch())
                    return i;
            }
            return -1;
        };
        const int origin = firstLineWith("^Como surgiu");
        const int cities = firstLineWith("Las Vegas");
        const int fiction = firstLineWith("fictício");
        const int virtualMoney = firstLineWith("virtual");
        const int name = firstLineWith("nome ZOR \\?$");
        QVERIFY(origin == 0);
        QVERIFY(origin < cities && cities < fiction && fiction <= virtualMoney && virtualMoney < name);
        // Each topic sits in its own frame, top to bottom.
        for (int i = 1; i <= 4; ++i)
            QVERIFY(cassino->findChild<Shape*>(QStringLiteral("Shape%1").arg(i)));
        QVERIFY(cassino->Shape1->geometry().contains(lines[origin]->geometry()));
        QVERIFY(cassino->Shape2->geometry().contains(lines[cities]->geometry()));
        QVERIFY(cassino->Shape3->geometry().contains(lines[fiction]->geometry()));
        QVERIFY(cassino->Shape4->geometry().contains(lines[name]->geometry()));

        // The developers: description, the instruction, three names, the three fields, the goal.
        QCOMPARE(desen->Label5->text(),
                 QStringLiteral("Passe o Mouse encima para visualizar detalhes sobre os desenvolvedores: "));
        QCOMPARE(desen->Label6->text(), QStringLiteral("Idade: "));
        QCOMPARE(desen->Label7->text(), QStringLiteral("E-mail: "));
        QCOMPARE(desen->Label8->text(), QStringLiteral("Nº:"));
        QCOMPARE(desen->Label9->text(), QStringLiteral("Aperfeiçoamento do Jogo   ..:: Caça - Níquel ::.. 1.0"));
        QVERIFY(desen->Label1->geometry().bottom() < desen->Label5->geometry().top());
        for (Label* n : {desen->Label10, desen->Label11, desen->Label12}) {
            QVERIFY(!n->text().isEmpty());
            QCOMPARE(n->cursor().shape(), Qt::CrossCursor);
            QVERIFY(n->geometry().top() > desen->Label5->geometry().bottom());
            QVERIFY(n->geometry().bottom() < desen->e1->geometry().top());
        }
        QVERIFY(desen->e1->geometry().bottom() < desen->Label9->geometry().top());
        for (QLineEdit* e : {desen->e1, desen->e2, desen->e3}) {
            QVERIFY(e->isReadOnly());
            QVERIFY(e->text().isEmpty());
        }
        QVERIFY(desen->Button1->isDefault());
    }

    // Every line is shown whole: inside its window, wide enough for its text, clear of the
    // other lines and of "Fechar".
    void linesFitTheirWindows()
    {
        for (const QString& name : kAllScreens) {
            QDialog* d = screen(name);
            const QList<Label*> lines = d->findChildren<Label*>();
            QVERIFY(!lines.isEmpty());
            const QRect fechar = d->findChild<Button*>("Button1")->geometry();
            for (Label* l : lines) {
                const QString where = name + "/" + l->objectName();
                QVERIFY2(QRect(QPoint(0, 0), d->size()).contains(l->geometry()), qPrintable(where));
                QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(where));
                QVERIFY2(!l->geometry().intersects(fechar), qPrintable(where));
                QCOMPARE(l->textFormat(), Qt::PlainText);
                for (Label* other : lines) {
                    if (other != l)
                        QVERIFY2(!l->geometry().intersects(other->geometry()),
                                 qPrintable(where + " overlaps " + other->objectName()));
                }
            }
        }
    }

    // Every screen takes the theme that is current when it opens, also at a second opening.
    void themeAppliedAtEachOpening()
    {
        for (const QString& name : kAllScreens) {
            settings().set(Setting::memo, "4");
            open(name, [](QDialog* d) { QVERIFY(shows(d->findChild<Picture*>("graconf"), "graconf3.jpg")); });
            settings().set(Setting::memo, "6");
            open(name, [](QDialog* d) { QVERIFY(shows(d->findChild<Picture*>("graconf"), "grad.jpg")); });
            settings().set(Setting::memo, "graconf5.jpg");
            open(name, [](QDialog* d) { QVERIFY(shows(d->findChild<Picture*>("graconf"), "graconf5.jpg")); });
        }
        QVERIFY(env->dialogs->messages.isEmpty());
    }

    void unreadableThemeStillOpensTheScreen()
    {
        for (const QString& name : kAllScreens) {
            env->dialogs->messages.clear();
            settings().set(Setting::memo, "1");
            open(name);
            settings().set(Setting::memo, "8");
            bool wasVisible = false;
            open(name, [&](QDialog* d) {
                wasVisible = d->isVisible();
                // The picture of the last good theme stays.
                QVERIFY(shows(d->findChild<Picture*>("graconf"), "graconf.jpg"));
            });
            QVERIFY(wasVisible);
            QCOMPARE(env->dialogs->texts("error").size(), 1);
        }
    }

    void fecharAndTheCloseBoxClose()
    {
        for (const QString& name : kAllScreens) {
            bool closedByFechar = false;
            open(name, [&](QDialog* d) {
                QTest::mouseClick(d->findChild<Button*>("Button1"), Qt::LeftButton);
                closedByFechar = !d->isVisible();
            });
            QVERIFY2(closedByFechar, qPrintable(name));
            bool closedByBox = false;
            open(name, [&](QDialog* d) {
                QVERIFY(d->close()); // what the close box does
                closedByBox = !d->isVisible();
            });
            QVERIFY2(closedByBox, qPrintable(name));
        }
        // Nothing but the theme is read, nothing is written or said.
        QVERIFY(env->dialogs->messages.isEmpty());
        QVERIFY(env->sound->played.isEmpty());
        QCOMPARE(env->readFile("Config/cor.txt"), QByteArray("1"));
    }

    void enterClosesTheDevelopersScreen()
    {
        bool closed = false;
        open("desen", [&](QDialog* d) {
            QTest::keyClick(d, Qt::Key_Return);
            closed = !d->isVisible();
        });
        QVERIFY(closed);
    }

    // Pointing at a name fills the three fields with that author's details; frames, pictures and
    // other texts leave them as they are; only the background clears them.
    void developersHoverFields()
    {
        open("desen", [](QDialog*) {
            auto moveTo = [](QWidget* w) { QTest::mouseMove(desen, w->mapTo(desen, w->rect().center())); };
            auto fields = [] { return QStringList{desen->e1->text(), desen->e2->text(), desen->e3->text()}; };
            auto details = [](int i) {
                const Tdesen::Author& a = Tdesen::author(i);
                return QStringList{a.age, a.email, a.number};
            };
            QCOMPARE(desen->Label10->text(), Tdesen::author(0).name);
            QCOMPARE(desen->Label12->text(), Tdesen::author(2).name);

            moveTo(desen->Label11);
            QCOMPARE(fields(), details(1));
            QVERIFY(!fields().contains(QString()));
            moveTo(desen->Shape2);
            moveTo(desen->Image2);
            moveTo(desen->Label5);
            moveTo(desen->e2);
            QCOMPARE(fields(), details(1));

            moveTo(desen->Label12);
            QCOMPARE(fields(), details(2));
            moveTo(desen->Label10);
            QCOMPARE(fields(), details(0));

            QTest::mouseMove(desen, QPoint(5, 440)); // the bare background
            QCOMPARE(fields(), QStringList({"", "", ""}));
        });
        // The three authors differ.
        QVERIFY(Tdesen::author(0).email != Tdesen::author(1).email);
        QVERIFY(Tdesen::author(1).email != Tdesen::author(2).email);
    }
};

QTEST_MAIN(HelpAndAbout)
#include "test_help_and_about.moc"
