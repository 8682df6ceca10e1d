// Pictures of the Blackjack screens.
#include "generator.h"

namespace assetgen {

QStringList writeBlackjackScreenPictures(const QDir& layoutDir, const QDir& gameDir)
{
    Q_UNUSED(layoutDir);
    Q_UNUSED(gameDir);
    return {};
}

} // namespace assetgen
