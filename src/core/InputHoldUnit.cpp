#include "core/InputHoldUnit.h"

#include <QCoreApplication>
#include <QEvent>

namespace zpx {

InputHold::InputHold()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool InputHold::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

}  // namespace zpx
