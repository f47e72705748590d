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

QIcon programIcon()
{
    QIcon icon;
    for (const int size : WindowIconSizes)
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/zephyrtrace.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace zpx
