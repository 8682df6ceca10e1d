#pragma once
// Checks shared by the coin screens' tests.
#include "controls/picture.h"

#include <QImage>

namespace zortest {

// A coin face: the file's picture inside the round, nothing of its square ground outside.
inline bool showsCoin(const zor::Picture* p, const QString& file)
{
    const QImage shown = p->picture().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage source = zor::loadPictureFile(file).toImage().convertToFormat(QImage::Format_ARGB32);
    const QRect middle(source.width() / 4, source.height() / 4, source.width() / 2, source.height() / 2);
    return shown.size() == source.size() && shown.copy(middle) == source.copy(middle)
        && qAlpha(shown.pixel(0, 0)) == 0;
}

} // namespace zortest
