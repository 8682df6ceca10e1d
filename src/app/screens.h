#pragma once
// The screen registry: one process-wide pointer per screen, named after the screen. Screens
// reach each other only through these. createScreens() makes the 24 start-up screens in their
// fixed order; the loading screen creates frm_Menu, and the game chooser makes a new frm_bj
// each time Blackjack is chosen.
class TLoading;
class Tfrm_Jogos;
class Tfrm_CoC1;
class Tfrm_CoC2;
class TCoC_jogo;
class Tfrm_conf;
class TAlerta;
class Tcoc_modo;
class Tfrm_nome;
class Tdesign;
class Tfrm_cn;
class Tfrm_estourou;
class Taposta;
class Tperdeu;
class Tganhou;
class Tcerto;
class Tempate;
class Tajudamenu1;
class Tdesen;
class Tcassino;
class Tajudacn;
class Tajudabj;
class Tajudacoc;
class Tajudaconf;
class Tfrm_Menu;
class Tfrm_bj;

extern TLoading* Loading;
extern Tfrm_Jogos* frm_Jogos;
extern Tfrm_CoC1* frm_CoC1;
extern Tfrm_CoC2* frm_CoC2;
extern TCoC_jogo* CoC_jogo;
extern Tfrm_conf* frm_conf;
extern TAlerta* Alerta;
extern Tcoc_modo* coc_modo;
extern Tfrm_nome* frm_nome;
extern Tdesign* design;
extern Tfrm_cn* frm_cn;
extern Tfrm_estourou* frm_estourou;
extern Taposta* aposta;
extern Tperdeu* perdeu;
extern Tganhou* ganhou;
extern Tcerto* certo;
extern Tempate* empate;
extern Tajudamenu1* ajudamenu1;
extern Tdesen* desen;
extern Tcassino* cassino;
extern Tajudacn* ajudacn;
extern Tajudabj* ajudabj;
extern Tajudacoc* ajudacoc;
extern Tajudaconf* ajudaconf;
extern Tfrm_Menu* frm_Menu;
extern Tfrm_bj* frm_bj;

namespace zor {

// Creates the 24 start-up screens in order, hidden.
void createScreens();
// Deletes every screen and clears the registry (tests start each case afresh).
void destroyScreens();
// Creates the main menu once (the loading screen's Timer1 calls it).
void createMainMenu();

// The application titles: the first one set by the entry, then the one that stays.
inline constexpr const char* kFirstTitle = "..:: Cassino ZOR ::..";
inline constexpr const char* kTitle = "\u00B7!\u00A6[ Cassino ZOR ]\u00A6!\u00B7";

// Application-wide set-up shared by the program and the tests: font substitutions for the
// layouts' Windows fonts, the embedded layout pictures, no quit when the last window hides.
void initApplication();

// Ends the program (the layouts' "end the program" actions).
void endProgram();

} // namespace zor
