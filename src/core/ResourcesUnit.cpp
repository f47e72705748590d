#include "core/ResourcesUnit.h"

#include <QPixmap>

namespace zpx {

QCursor pencilCursor()
{
    return QCursor(QPixmap(QStringLiteral(":/cursors/pencil.png")), PencilHotSpot.x(), PencilHotSpot.y());
}

QCursor handPointCursor()
{
    return QCursor(QPixmap(QStringLiteral(":/cursors/handpnt.png")), HandPointHotSpot.x(),
                   HandPointHotSpot.y());
}

}  // namespace zpx
