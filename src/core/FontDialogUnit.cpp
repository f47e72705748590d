// Qt's font dialog has no colour: it is embedded beside a list of the basic colours.

#include "core/FontDialogUnit.h"

#include "core/SettingsFormats.h"
#include "core/SettingsLookUnit.h"
#include "core/WindowPlacesUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QVBoxLayout>

namespace zpx {

std::optional<FontPick> chooseFont(const FontDialogRequest& request)
{
    if (DialogResponder* responder = dialogResponder())
        return responder->chooseFont(request);
    QDialog dialog(dialogOwner());
    keepAboveToolWindows(&dialog);
    dialog.setWindowTitle(QStringLiteral("Font"));
    auto* fonts = new QFontDialog(request.font, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::ScalableFonts | QFontDialog::DontUseNativeDialog);
    auto* colors = new QComboBox(&dialog);
    for (const ColourValue value : BasicColours) {
        QPixmap swatch(16, 16);
        swatch.fill(colorOf(value));
        colors->addItem(QIcon(swatch), QString::fromStdString(colourName(value).substr(2)), colorOf(value));
    }
    const int current = colors->findData(request.color.toRgb());
    if (current < 0) {
        QPixmap swatch(16, 16);
        swatch.fill(request.color);
        colors->addItem(QIcon(swatch), QStringLiteral("Custom"), request.color.toRgb());
    }
    colors->setCurrentIndex(current < 0 ? colors->count() - 1 : current);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connectGuarded(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog] { dialog.accept(); });
    connectGuarded(buttons, &QDialogButtonBox::rejected, &dialog, [&dialog] { dialog.reject(); });
    auto* colorRow = new QFormLayout;
    colorRow->addRow(QStringLiteral("&Color:"), colors);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontPick{fonts->currentFont(), colors->currentData().value<QColor>()};
}

}  // namespace zpx
