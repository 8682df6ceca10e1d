#include "generator.h"

namespace assetgen {

QStringList writeChooserPictures(const QDir&)
{
    return {};
}

} // namespace assetgen
