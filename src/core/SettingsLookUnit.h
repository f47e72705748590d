#pragma once
// Colours, fonts and window rectangles as the windows read them from the
// settings store; the defaults stay at the call sites.

#include "core/SettingsFormats.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

namespace zpx {

// Between a stored colour value (0x00BBGGRR) and a colour.
QColor colorOf(ColourValue colour);
ColourValue colourValueOf(const QColor& color);

// A colour setting's text ("clSilver", "$00C0C0C0") as a colour; a text that
// names no colour gives `fallback`, itself such a text.
QColor colorFromSetting(const QString& text, const QString& fallback);
// ReadSetting(name, defaultColor) as a colour.
QColor readColorSetting(const QString& name, const QString& defaultColor);

// The font stored as <prefix>FontName, <prefix>FontSize (points) and
// <prefix>FontStyle (bits), each defaulting to the caller's value:
// fontFromSettings("Solve", "Times New Roman", 11) for the clue list.
QFont fontFromSettings(const QString& prefix, const QString& defaultName, int defaultSize, int defaultStyle = 0);
// <prefix>FontColor, "clBlack" unless the caller says otherwise.
QColor fontColorFromSettings(const QString& prefix, const QString& defaultColor = QStringLiteral("clBlack"));

// ReadSetting(name, "") as a rectangle: empty when none is stored; a
// malformed one throws SettingsError "'part' is not a valid integer value".
std::optional<ScreenBounds> readScreenBounds(const QString& name);

}  // namespace zpx
