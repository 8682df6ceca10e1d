// Pictures of the slot machine screens.
#include "generator.h"

namespace assetgen {

QStringList writeSlotScreenPictures(const QDir& layoutDir, const QDir& gameDir)
{
    Q_UNUSED(layoutDir);
    Q_UNUSED(gameDir);
    return {};
}

} // namespace assetgen
