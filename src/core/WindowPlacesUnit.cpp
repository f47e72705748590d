#include "core/WindowPlacesUnit.h"

#include "core/ScreenMetricsUnit.h"
#include "core/WindowRoom.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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

// Sees every window about to be shown: a modal dialog gets its owner as its
// transient parent, and its place, before it reaches the screen.
class DialogKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow() && dialog->isModal())
                keepInView(dialog);
        } else if (watched == placing && event->type() == QEvent::Resize) {
            // A dialog that lays itself out as it shows (the file dialog) stays centred as it grows.
            moveCentreTo(placing, centre);
        } else if (watched == placing && event->type() == QEvent::Paint) {
            placing = nullptr;
        }
        return false;
    }

private:
    void keepInView(QDialog* dialog)
    {
        QWindow* window = dialog->windowHandle();
        QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : dialogOwner();
        if (!window || !owner || owner == dialog)
            return;
        if (!dialog->parentWidget() && owner->windowHandle())
            window->setTransientParent(owner->windowHandle());
        placeOver(dialog, owner);
    }

    // Centred on the owner; where that would leave the screen (a dialog of the
    // small main window in its corner) centred on the screen. A dialog that
    // places itself is left where it goes.
    void placeOver(QDialog* dialog, const QWidget* owner)
    {
        const char* const placedHere = "zpxPlacedOverOwner";
        if (dialog->testAttribute(Qt::WA_Moved) && !dialog->property(placedHere).toBool())
            return;
        const QRect screen = owner->screen()->availableGeometry();
        QRect bounds = frameOf(dialog);
        bounds.moveCenter(owner->frameGeometry().center());
        centre = screen.contains(bounds) ? bounds.center() : screen.center();
        placing = dialog;
        moveCentreTo(dialog, centre);
        dialog->setProperty(placedHere, true);
    }

    // The dialog's bounds with the frame the window manager will give it.
    static QRect frameOf(const QWidget* dialog)
    {
        return QRect(QPoint(), dialog->size())
            .marginsAdded(QMargins(frameBorder(), captionHeight() + frameBorder(), frameBorder(), frameBorder()));
    }

    static void moveCentreTo(QWidget* dialog, QPoint point)
    {
        QRect bounds = frameOf(dialog);
        bounds.moveCenter(point);
        // A window moves by its frame.
        dialog->move(bounds.topLeft());
    }

    QPointer<QWidget> placing;
    QPoint centre;
};

}  // namespace

void keepDialogsInView()
{
    static DialogKeeper* keeper = nullptr;
    if (keeper)
        return;
    keeper = new DialogKeeper(qApp);
    qApp->installEventFilter(keeper);
}

void keepAboveToolWindows(QWidget* dialog)
{
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
}

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

std::vector<QRect> shownAnchorBounds()
{
    std::vector<QRect> shown;
    for (const PlacementAnchor anchor : {PlacementAnchor::Main, PlacementAnchor::Grid, PlacementAnchor::AuthorTitle})
        if (const QWidget* window = anchorOf(anchor); window && window->isVisible())
            shown.push_back(anchorBounds(anchor));
    return shown;
}

QRect boundsLeavingRoom(QRect bounds, const std::vector<QRect>& taken)
{
    const auto box = [](const QRect& r) { return WindowBox{r.left(), r.top(), r.width(), r.height()}; };
    std::vector<WindowBox> boxes;
    for (const QRect& r : taken)
        boxes.push_back(box(r));
    bounds.moveTop(topLeavingRoom(box(bounds), boxes, 0, screenHeight()));
    return bounds;
}

QWidget* dialogOwner()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return anchorOf(PlacementAnchor::Main);
}

}  // namespace zpx
