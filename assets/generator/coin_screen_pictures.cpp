// Pictures of the heads or tails screens.
#include "generator.h"

namespace assetgen {

QStringList writeCoinScreenPictures(const QDir& layoutDir, const QDir& gameDir)
{
    Q_UNUSED(layoutDir);
    Q_UNUSED(gameDir);
    return {};
}

} // namespace assetgen
