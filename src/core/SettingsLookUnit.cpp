#include "core/SettingsLookUnit.h"

#include "core/ZpxProcsUnit.h"

namespace zpx {

namespace {

std::optional<QColor> toColor(const QString& text)
{
    const auto colour = colourFromName(text.toStdString());
    if (!colour)
        return std::nullopt;
    return colorOf(*colour);
}

}  // namespace

QColor colorOf(ColourValue colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

ColourValue colourValueOf(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return ColourValue(rgb.red()) | ColourValue(rgb.green()) << 8 | ColourValue(rgb.blue()) << 16;
}

QColor colorFromSetting(const QString& text, const QString& fallback)
{
    if (const auto color = toColor(text))
        return *color;
    return toColor(fallback).value_or(QColor(Qt::black));
}

QColor readColorSetting(const QString& name, const QString& defaultColor)
{
    return colorFromSetting(ZpxProcs->ReadSetting(name, defaultColor), defaultColor);
}

QFont fontFromSettings(const QString& prefix, const QString& defaultName, int defaultSize, int defaultStyle)
{
    QFont font(ZpxProcs->ReadSetting(prefix + QStringLiteral("FontName"), defaultName));
    const int size = ZpxProcs->ReadSetting(prefix + QStringLiteral("FontSize"), defaultSize);
    // A negative size is a height in pixels, as font dialogs on Windows may store it.
    if (size > 0)
        font.setPointSize(size);
    else if (size < 0)
        font.setPixelSize(-size);
    else
        font.setPointSize(defaultSize);
    const FontStyle style = fontStyleFromBits(ZpxProcs->ReadSetting(prefix + QStringLiteral("FontStyle"), defaultStyle));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    return font;
}

QColor fontColorFromSettings(const QString& prefix, const QString& defaultColor)
{
    return readColorSetting(prefix + QStringLiteral("FontColor"), defaultColor);
}

std::optional<ScreenBounds> readScreenBounds(const QString& name)
{
    try {
        return parseScreenBounds(ZpxProcs->ReadSetting(name, QString()).toStdString());
    } catch (const SettingsFormatError& error) {
        throw SettingsError(error.what());
    }
}

}  // namespace zpx
