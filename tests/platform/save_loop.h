#pragma once
// The games that zor-save-loop saves in turn and the kill test expects to find whole: the two
// games of each kind differ in every saved value.
namespace zorloop {

inline constexpr int kLongName = 60 * 1024;

struct CoinGame {
    int mode;
    const char* side;
    int coinValue;
    double money;
    int bets, wins, losses;
    const char* name;
    // The files' texts, in the order of kCoinFiles.
    const char* files[8];
};

inline constexpr const char* kCoinFiles[8] = {
    "Config/Jogos/coc/modo.txt",    "Config/Jogos/coc/coc.txt",    "Config/Jogos/coc/valor.txt",
    "Config/Jogos/coc/dinheiro.txt", "Config/Jogos/coc/ganhou.txt", "Config/Jogos/coc/perdeu.txt",
    "Config/Jogos/coc/apostas.txt",  "Config/Jogos/coc/nome.txt",
};

inline constexpr CoinGame kCoinGames[2] = {
    {1, "Cara", 5, 107, 31, 17, 14, "Ana", {"1", "Cara", "5", "107", "17", "14", "31", "Ana"}},
    {2, "Coroa", 50, 93, 402, 200, 202, "Bruno", {"2", "Coroa", "50", "93", "200", "202", "402", "Bruno"}},
};

struct SlotGame {
    int money, won, lost, pulls, twoEqual, threeEqual, noMatch;
    const char* name;
    const char* files[8];
};

inline constexpr const char* kSlotFiles[8] = {
    "Config/Jogos/cn/dinheiro.txt",   "Config/Jogos/cn/ganhou.txt",     "Config/Jogos/cn/perdeu.txt",
    "Config/Jogos/cn/apostas.txt",    "Config/Jogos/cn/duasiguais.txt", "Config/Jogos/cn/tresiguais.txt",
    "Config/Jogos/cn/nenhuma.txt",    "Config/Jogos/cn/nome.txt",
};

inline constexpr SlotGame kSlotGames[2] = {
    {130, 80, 50, 25, 6, 1, 18, "Carla", {"130", "80", "50", "25", "6", "1", "18", "Carla"}},
    {40, 300, 360, 180, 40, 9, 131, "Davi", {"40", "300", "360", "180", "40", "9", "131", "Davi"}},
};

} // namespace zorloop
