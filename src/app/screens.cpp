#include "app/screens.h"

#include "app/loading.h"
#include "app/pending_screens.h"
#include "platform/services.h"
#include "settings/config_screen.h"
#include "settings/design_screen.h"
#include "shell/about_screens.h"
#include "shell/alerta.h"
#include "shell/game_chooser.h"
#include "shell/help_screens.h"
#include "shell/name_dialog.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QFont>
#include <QResource>

TLoading* Loading = nullptr;
Tfrm_Jogos* frm_Jogos = nullptr;
Tfrm_CoC1* frm_CoC1 = nullptr;
Tfrm_CoC2* frm_CoC2 = nullptr;
TCoC_jogo* CoC_jogo = nullptr;
Tfrm_conf* frm_conf = nullptr;
TAlerta* Alerta = nullptr;
Tcoc_modo* coc_modo = nullptr;
Tfrm_nome* frm_nome = nullptr;
Tdesign* design = nullptr;
Tfrm_cn* frm_cn = nullptr;
Tfrm_estourou* frm_estourou = nullptr;
Taposta* aposta = nullptr;
Tperdeu* perdeu = nullptr;
Tganhou* ganhou = nullptr;
Tcerto* certo = nullptr;
Tempate* empate = nullptr;
Tajudamenu1* ajudamenu1 = nullptr;
Tdesen* desen = nullptr;
Tcassino* cassino = nullptr;
Tajudacn* ajudacn = nullptr;
Tajudabj* ajudabj = nullptr;
Tajudacoc* ajudacoc = nullptr;
Tajudaconf* ajudaconf = nullptr;
Tfrm_Menu* frm_Menu = nullptr;
Tfrm_bj* frm_bj = nullptr;

// The packed layout pictures, linked in by the build (src/CMakeLists.txt).
extern "C" const unsigned char zor_layout_pictures[];

static void initLayoutResources()
{
    static const bool registered = QResource::registerResource(zor_layout_pictures);
    if (!registered)
        qFatal("the layout pictures linked into the program are not a Qt resource");
}

namespace zor {

void initApplication()
{
    initLayoutResources();
    // The layouts name Windows fonts; these are their closest free look-alikes.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Showcard Gothic"), QStringLiteral("Bebas Neue"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    // Screens are hidden and shown all the time, and the hidden loading screen stays the main
    // window: the program ends only where a screen says so.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("cassino-zor"));
    setApplicationTitle(QString::fromUtf8(kFirstTitle));
}

void createScreens()
{
    Loading = new TLoading;
    frm_Jogos = new Tfrm_Jogos;
    frm_CoC1 = new Tfrm_CoC1;
    frm_CoC2 = new Tfrm_CoC2;
    CoC_jogo = new TCoC_jogo;
    frm_conf = new Tfrm_conf;
    Alerta = new TAlerta;
    coc_modo = new Tcoc_modo;
    frm_nome = new Tfrm_nome;
    design = new Tdesign;
    frm_cn = new Tfrm_cn;
    frm_estourou = new Tfrm_estourou;
    aposta = new Taposta;
    perdeu = new Tperdeu;
    ganhou = new Tganhou;
    certo = new Tcerto;
    empate = new Tempate;
    ajudamenu1 = new Tajudamenu1;
    desen = new Tdesen;
    cassino = new Tcassino;
    ajudacn = new Tajudacn;
    ajudabj = new Tajudabj;
    ajudacoc = new Tajudacoc;
    ajudaconf = new Tajudaconf;
}

void createMainMenu()
{
    if (!frm_Menu)
        frm_Menu = new Tfrm_Menu;
}

// A framed screen goes with its frame (deleted now, not when the event loop that has ended
// would have deleted it).
template <typename T>
static void destroy(T*& screen)
{
    if (screen)
        delete screen->window();
    screen = nullptr;
}

void destroyScreens()
{
    destroy(frm_bj);
    destroy(frm_Menu);
    destroy(ajudaconf);
    destroy(ajudacoc);
    destroy(ajudabj);
    destroy(ajudacn);
    destroy(cassino);
    destroy(desen);
    destroy(ajudamenu1);
    destroy(empate);
    destroy(certo);
    destroy(ganhou);
    destroy(perdeu);
    destroy(aposta);
    destroy(frm_estourou);
    destroy(frm_cn);
    destroy(design);
    destroy(frm_nome);
    destroy(coc_modo);
    destroy(Alerta);
    destroy(frm_conf);
    destroy(CoC_jogo);
    destroy(frm_CoC2);
    destroy(frm_CoC1);
    destroy(frm_Jogos);
    destroy(Loading);
}

void endProgram()
{
    services().quit();
}

} // namespace zor
