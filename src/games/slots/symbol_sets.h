#pragma once
// The five reel symbol sets ("categorias"), in the choosers' order. Each set names the picture
// files of symbol slots 1 to 4; the idle reels show slot 2.
#include <QString>
#include <array>

namespace zor::cn {

struct SymbolSet {
    QString name;
    std::array<QString, 4> files;
};

inline constexpr int kSymbolSetCount = 5;
// "Tema do Cassino ZOR": the set in force before any other has been applied.
inline constexpr int kDefaultSymbolSet = 3;

const std::array<SymbolSet, kSymbolSetCount>& symbolSets();
// The index of the set whose name is exactly `name`, or -1.
int symbolSetIndex(const QString& name);

} // namespace zor::cn
