#include "generator.h"

namespace assetgen {

QStringList writeSettingsPictures(const QDir&)
{
    return {};
}

} // namespace assetgen
