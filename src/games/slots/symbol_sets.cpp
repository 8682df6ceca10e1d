#include "games/slots/symbol_sets.h"

namespace zor::cn {

const std::array<SymbolSet, kSymbolSetCount>& symbolSets()
{
    static const std::array<SymbolSet, kSymbolSetCount> sets = {{
        {QStringLiteral("Brasões de Times"),
         {QStringLiteral("fig1.jpg"), QStringLiteral("fig2.jpg"), QStringLiteral("fig3.jpg"), QStringLiteral("fig4.jpg")}},
        {QStringLiteral("Ferrari"),
         {QStringLiteral("ferrari1.jpg"), QStringLiteral("ferrari4.jpg"), QStringLiteral("ferrari3.jpg"),
          QStringLiteral("ferrari2.jpg")}},
        {QStringLiteral("Instrumentos Musicais"),
         {QStringLiteral("i2.jpg"), QStringLiteral("i1.jpg"), QStringLiteral("i3.jpg"), QStringLiteral("i4.jpg")}},
        {QStringLiteral("Tema do Cassino ZOR"),
         {QStringLiteral("c1.jpg"), QStringLiteral("c3.bmp"), QStringLiteral("c2.jpg"), QStringLiteral("c4.jpg")}},
        {QStringLiteral("Hello Kit"),
         {QStringLiteral("f1.bmp"), QStringLiteral("f4.jpg"), QStringLiteral("f3.bmp"), QStringLiteral("f2.bmp")}},
    }};
    return sets;
}

int symbolSetIndex(const QString& name)
{
    const auto& sets = symbolSets();
    for (int i = 0; i < kSymbolSetCount; ++i) {
        if (sets[i].name == name)
            return i;
    }
    return -1;
}

} // namespace zor::cn
