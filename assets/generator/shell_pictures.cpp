#include "generator.h"

namespace assetgen {

QStringList writeShellScreenPictures(const QDir&)
{
    return {};
}

} // namespace assetgen
