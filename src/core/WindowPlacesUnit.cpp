#include "core/WindowPlacesUnit.h"

#include "core/ScreenMetricsUnit.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <array>

namespace zpx {

namespace {

std::array<QPointer<QWidget>, 3>& anchors()
{
    static std::array<QPointer<QWidget>, 3> windows;
    return windows;
}

QPointer<QWidget>& anchorOf(PlacementAnchor anchor)
{
    return anchors()[static_cast<std::size_t>(anchor)];
}

}  // namespace

void setPlacementAnchor(PlacementAnchor anchor, QWidget* window)
{
    if (!anchorOf(anchor))
        anchorOf(anchor) = window;
}

QRect anchorBounds(PlacementAnchor anchor)
{
    const QWidget* window = anchorOf(anchor);
    if (!window)
        return {};
    return frameBounds(window, anchor == PlacementAnchor::Main ? captionHeight() : smallCaptionHeight());
}

QWidget* dialogOwner()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return anchorOf(PlacementAnchor::Main);
}

}  // namespace zpx
