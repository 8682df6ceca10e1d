// Layout of the main menu: the window, its controls bottom to top (creation order is the
// stacking order), their pictures, hints and cursors, the timers, and which handler each
// event runs.
#include "shell/main_menu.h"
#include "controls/accessible.h"

#include "controls/form.h"
#include "platform/guard.h"

namespace {

enum Shown { Hidden, Visible };
enum Cursor { Arrow, Hand };

} // namespace

void Tfrm_Menu::setupLayout()
{
    zor::setupForm(this, QStringLiteral("frm_Menu"), QStringLiteral("Cassino ZOR - Menu Principal"),
                   QSize(800, 528), zor::TitleButtons::CloseOnly);

    // A control of the layout. `picture` names an embedded layout picture; without one the
    // control is a hotspot, invisible but taking the mouse.
    auto control = [this](const char* name, QRect rect, Shown shown, const char* picture,
                          const char* hint = nullptr, Cursor cursor = Arrow) {
        auto* p = new zor::Picture(this, QString::fromLatin1(name), rect);
        if (picture)
            p->setLayoutPicture(QString::fromLatin1(picture));
        if (hint)
            p->setToolTip(QString::fromUtf8(hint));
        if (cursor == Hand)
            p->setCursor(Qt::PointingHandCursor);
        if (shown == Hidden)
            p->hide();
        return p;
    };
    const char* const none = nullptr;

    // escolher2up lies under the scene until the first show raises it.
    escolher2up = control("escolher2up", {3, 330, 155, 20}, Hidden, none, nullptr, Hand);
    fundo = control("fundo", {0, -72, 801, 601}, Visible, "menu/fundo.jpg");
    // The scene is an opaque picture over the whole client area: what changes in front of it is
    // repainted from the scene alone, without filling the window's background under it first.
    fundo->setAttribute(Qt::WA_OpaquePaintEvent);
    makina = control("makina", {6, 308, 49, 61}, Hidden, "menu/makina.png");

    // The button bar.
    menuup = control("menuup", {2, 483, 156, 37}, Visible, none, "Clique aqui para visualizar o menu");
    configup = control("configup", {464, 488, 33, 34}, Visible, none);
    ajudaup = control("ajudaup", {556, 488, 35, 33}, Visible, none);
    minup = control("minup", {640, 488, 33, 34}, Visible, none);
    closeup = control("closeup", {721, 488, 34, 33}, Visible, none);
    menuover = control("menuover", {1, 483, 157, 38}, Hidden, "menu/menuover.png",
                       "Clique aqui para visualizar o menu", Hand);
    escolherup = control("escolherup", {278, 487, 88, 34}, Visible, none);
    escolherover = control("escolherover", {275, 487, 93, 35}, Hidden, "menu/escolherover.png",
                           "Clique aqui para começar", Hand);
    configover = control("configover", {463, 488, 34, 34}, Hidden, "menu/configover.png", "Configurações", Hand);
    ajudaover = control("ajudaover", {556, 488, 35, 33}, Hidden, "menu/ajudaover.png",
                        "Ajuda sobre o Cassino ZOR", Hand);
    minover = control("minover", {639, 488, 34, 34}, Hidden, "menu/minover.png", "Minimizar Cassino ZOR", Hand);
    closeover = control("closeover", {720, 488, 36, 34}, Hidden, "menu/closeover.png", "Fechar Cassino ZOR", Hand);

    // The roulette of the scene (animation).
    roletaup = control("roletaup", {0, 197, 89, 80}, Hidden, none);
    roletaover = control("roletaover", {0, 197, 89, 82}, Hidden, "menu/roletaover.png");
    roletaover2 = control("roletaover2", {0, 199, 89, 80}, Hidden, "menu/roletaover2.png");

    // The menu button while the panel is open, and the panel.
    menuclick = control("menuclick", {1, 484, 158, 38}, Hidden, "menu/menuclick.png",
                        "Clique aqui para esconder o menu", Hand);
    menuprincipal = control("menuprincipal", {4, 331, 153, 154}, Hidden, "menu/menuprincipal.png");
    ajuda2up = control("ajuda2up", {4, 350, 152, 18}, Hidden, none, nullptr, Hand);
    ajuda2over = control("ajuda2over", {5, 350, 152, 19}, Hidden, "menu/ajuda2over.png",
                         "Mostra uma ajuda como utilizar o Jogo. Já dentro de um jogo, se o jogador pedir a "
                         "ajuda, será específica para aquela janela, ou jogo, etc.",
                         Hand);
    config2up = control("config2up", {4, 368, 152, 18}, Hidden, none, nullptr, Hand);
    config2over = control("config2over", {5, 369, 152, 18}, Hidden, "menu/config2over.png",
                          "Contém opções onde o jogador, por exemplo, tira o som, muda o design, etc.", Hand);
    nada = control("nada", {4, 386, 153, 15}, Visible, none);
    dese = control("dese", {4, 400, 152, 18}, Hidden, none,
                   "Mostra as informações sobre os desenvolvedores do Cassino ZOR.", Hand);
    icon1 = control("icon1", {141, 400, 16, 18}, Hidden, "menu/icon1.png", nullptr, Hand);
    cas = control("cas", {4, 417, 152, 19}, Hidden, none, "Contém Informações Adicionais sobre o Cassino ZOR.", Hand);
    icon2 = control("icon2", {141, 418, 16, 18}, Hidden, "menu/icon2.png", nullptr, Hand);
    nada2 = control("nada2", {4, 434, 152, 15}, Visible, none);
    diminuir1 = control("diminuir1", {4, 448, 152, 18}, Hidden, none,
                        "Minimiza a janela, para rodar outras aplicações.", Hand);
    sair1 = control("sair1", {3, 465, 153, 18}, Hidden, none, "Fecha a aplicação e volta para o Windows.", Hand);
    icone1 = control("icone1", {141, 448, 16, 18}, Hidden, "menu/icone1.png", nullptr, Hand);
    icone2 = control("icone2", {141, 466, 16, 18}, Hidden, "menu/icone2.png", nullptr, Hand);

    // The animation pictures of the scene.
    luz = control("luz", {15, 276, 35, 30}, Hidden, "menu/luz.png");
    head = control("head", {454, 251, 39, 31}, Hidden, "menu/head.png");
    braco1 = control("braco1", {384, 185, 34, 43}, Hidden, "menu/braco1.png");
    braco2 = control("braco2", {558, 286, 47, 41}, Hidden, "menu/braco2.png");
    head3 = control("head3", {674, 336, 32, 29}, Hidden, "menu/head3.png");
    head4 = control("head4", {302, 239, 33, 40}, Hidden, "menu/head4.png");
    luz2 = control("luz2", {710, 20, 67, 49}, Hidden, "menu/luz2.png");
    makina2 = control("makina2", {651, 174, 26, 74}, Hidden, "menu/makina2.png");
    braco3 = control("braco3", {311, 287, 46, 51}, Hidden, "menu/braco3.png");
    luzes = control("luzes", {357, 82, 131, 57}, Hidden, "menu/luzes.png");
    makina3 = control("makina3", {137, 259, 62, 54}, Hidden, "menu/makina3.png");
    head2 = control("head2", {256, 187, 25, 26}, Hidden, "menu/head2.png");
    makina4 = control("makina4", {567, 150, 34, 26}, Hidden, "menu/makina4.png");

    escolher2over = control("escolher2over", {4, 332, 153, 18}, Hidden, "menu/escolher2over.png",
                            "Clique aqui para começar", Hand);

    // The keyboard's frame on the bar lies over everything and follows the bar's own cursor.
    focusRing = new zor::FocusRing(this);
    focusRing->setFollowsFocus(false);

    // For screen readers the bar's buttons and the panel's entries are buttons, each pressed as
    // the keyboard presses it; both the resting hot spot and the lit picture bear the name.
    const std::pair<QList<zor::Picture*>, const char*> bar[kBarButtons] = {
        {{menuup, menuover, menuclick}, "Menu"},
        {{escolherup, escolherover}, "Escolher Jogo"},
        {{configup, configover}, "Configurações"},
        {{ajudaup, ajudaover}, "Ajuda"},
        {{minup, minover}, "Minimizar Cassino ZOR"},
        {{closeup, closeover}, "Fechar Cassino ZOR"}};
    for (int i = 0; i < kBarButtons; ++i) {
        for (zor::Picture* p : bar[i].first)
            zor::setAccessibleButton(p, QString::fromUtf8(bar[i].second), p->toolTip(), [this, i] {
                zor::guarded([this, i] {
                    focusBar(i);
                    pressBar();
                });
            });
    }
    const std::pair<QList<zor::Picture*>, const char*> panel[kPanelEntries] = {
        {{escolher2up, escolher2over}, "Escolher Jogo"},
        {{ajuda2up, ajuda2over}, "Ajuda"},
        {{config2up, config2over}, "Configurações"},
        {{dese, icon1}, "Sobre os Desenvolvedores"},
        {{cas, icon2}, "Sobre o Cassino ZOR"},
        {{diminuir1, icone1}, "Minimizar"},
        {{sair1, icone2}, "Sair"}};
    for (int i = 0; i < kPanelEntries; ++i) {
        for (zor::Picture* p : panel[i].first)
            zor::setAccessibleButton(p, QString::fromUtf8(panel[i].second), p->toolTip(), [this, i] {
                zor::guarded([this, i] {
                    focusPanel(i);
                    pressPanel();
                });
            });
    }

    // Timers: they start counting now, while the menu is still hidden behind the loading screen.
    t = new zor::Timer(this, QStringLiteral("t"), 1200, true);
    t2 = new zor::Timer(this, QStringLiteral("t2"), 1200, false);
    t3 = new zor::Timer(this, QStringLiteral("t3"), 1200, false);
    t4 = new zor::Timer(this, QStringLiteral("t4"), 559, true);
    t5 = new zor::Timer(this, QStringLiteral("t5"), 559, false);
    alertat = new zor::Timer(this, QStringLiteral("alertat"), 9032, true);
    m = new zor::Timer(this, QStringLiteral("m"), 132889, true);

    // Event wiring.
    using zor::on;
    using P = zor::Picture;
    auto move = [this](P* p, void (Tfrm_Menu::*handler)()) {
        on(p, &P::mouseMoved, this, [this, handler](Qt::MouseButtons, QPoint) { (this->*handler)(); });
    };
    auto click = [this](P* p, void (Tfrm_Menu::*handler)()) {
        on(p, &P::clicked, this, [this, handler] { (this->*handler)(); });
    };
    auto press = [this](P* p, void (Tfrm_Menu::*handler)(Qt::MouseButton)) {
        on(p, &P::pressed, this, [this, handler](Qt::MouseButton b, QPoint) { (this->*handler)(b); });
    };
    auto release = [this](P* p, void (Tfrm_Menu::*handler)(Qt::MouseButton)) {
        on(p, &P::released, this, [this, handler](Qt::MouseButton b, QPoint) { (this->*handler)(b); });
    };
    auto releaseAny = [this](P* p, void (Tfrm_Menu::*handler)()) {
        on(p, &P::released, this, [this, handler](Qt::MouseButton, QPoint) { (this->*handler)(); });
    };

    move(fundo, &Tfrm_Menu::fundoMouseMove);
    click(fundo, &Tfrm_Menu::fundoClick);
    move(makina, &Tfrm_Menu::makinaMouseMove);

    move(menuup, &Tfrm_Menu::menuupMouseMove);
    move(escolherup, &Tfrm_Menu::escolherupMouseMove);
    move(configup, &Tfrm_Menu::configupMouseMove);
    move(ajudaup, &Tfrm_Menu::ajudaupMouseMove);
    move(minup, &Tfrm_Menu::minupMouseMove);
    move(closeup, &Tfrm_Menu::closeupMouseMove);

    press(menuover, &Tfrm_Menu::menuoverMouseDown);
    release(menuover, &Tfrm_Menu::menuoverMouseUp);
    move(menuclick, &Tfrm_Menu::menuclickMouseMove);
    press(menuclick, &Tfrm_Menu::menuclickMouseDown);
    click(menuclick, &Tfrm_Menu::menuclickClick);

    // The bar's hover pictures: the click action first, then the release collapses.
    click(escolherover, &Tfrm_Menu::escolheroverClick);
    click(configover, &Tfrm_Menu::configoverClick);
    click(ajudaover, &Tfrm_Menu::ajudaoverClick);
    click(minover, &Tfrm_Menu::minoverClick);
    click(closeover, &Tfrm_Menu::closeoverClick);
    for (P* p : {escolherover, configover, ajudaover, minover, closeover})
        releaseAny(p, &Tfrm_Menu::escolheroverMouseUp);

    // The panel.
    move(escolher2up, &Tfrm_Menu::escolher2upMouseMove);
    move(escolher2over, &Tfrm_Menu::escolher2upMouseMove);
    click(escolher2over, &Tfrm_Menu::escolheroverClick);
    move(ajuda2up, &Tfrm_Menu::ajuda2upMouseMove);
    move(ajuda2over, &Tfrm_Menu::ajuda2upMouseMove);
    click(ajuda2over, &Tfrm_Menu::ajudaoverClick);
    move(config2up, &Tfrm_Menu::config2upMouseMove);
    move(config2over, &Tfrm_Menu::config2overMouseMove);
    click(config2over, &Tfrm_Menu::configoverClick);
    move(nada, &Tfrm_Menu::nadaMouseMove);
    move(dese, &Tfrm_Menu::deseMouseMove);
    click(dese, &Tfrm_Menu::deseClick);
    click(icon1, &Tfrm_Menu::icon1Click);
    move(cas, &Tfrm_Menu::casMouseMove);
    click(cas, &Tfrm_Menu::casClick);
    click(icon2, &Tfrm_Menu::casClick);
    move(nada2, &Tfrm_Menu::nada2MouseMove);
    move(diminuir1, &Tfrm_Menu::diminuir1MouseMove);
    click(diminuir1, &Tfrm_Menu::minoverClick);
    move(sair1, &Tfrm_Menu::sair1MouseMove);
    click(sair1, &Tfrm_Menu::closeoverClick);
    // icone1 has no click action; icone2 ends the program.
    click(icone2, &Tfrm_Menu::closeoverClick);

    auto timer = [this](zor::Timer* tm, void (Tfrm_Menu::*handler)()) {
        on(tm, &zor::Timer::timeout, this, [this, handler] { (this->*handler)(); });
    };
    timer(t, &Tfrm_Menu::tTimer);
    timer(t2, &Tfrm_Menu::t2Timer);
    timer(t3, &Tfrm_Menu::t3Timer);
    timer(t4, &Tfrm_Menu::t4Timer);
    timer(t5, &Tfrm_Menu::t5Timer);
    timer(alertat, &Tfrm_Menu::alertatTimer);
    timer(m, &Tfrm_Menu::Timer1Timer);
}
