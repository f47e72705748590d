// The settings store: named values under SettingsKey. On Windows that is the
// registry key HKEY_CURRENT_USER\<SettingsKey>; elsewhere a typed text file
// per key under the user's configuration folder, e.g.
// ~/.config/Marlowick32/Zephyrtrace5.reg. Every read and write opens the
// store afresh, so a value written by one window is seen by the next reader.

#include "core/SettingsFormats.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"

#include <QIODevice>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <memory>

namespace zpx {

namespace {

#ifndef Q_OS_WIN
bool readStoreFile(QIODevice& device, QSettings::SettingsMap& map)
{
    const QByteArray content = device.readAll();
    for (const QByteArray& text : content.split('\n')) {
        // A damaged line is skipped; the other values still count.
        const auto line = parseStoreLine(std::string_view(text.constData(), text.size()));
        if (!line)
            continue;
        const QString name = QString::fromStdString(line->name);
        if (const auto* string = std::get_if<std::string>(&line->value))
            map.insert(name, QString::fromStdString(*string));
        else
            map.insert(name, int(std::get<std::int32_t>(line->value)));
    }
    return true;
}

bool writeStoreFile(QIODevice& device, const QSettings::SettingsMap& map)
{
    QByteArray content;
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
        StoreLine line{entry.key().toStdString(), std::int32_t{0}};
        if (entry.value().typeId() == QMetaType::Int)
            line.value = std::int32_t(entry.value().toInt());
        else
            line.value = entry.value().toString().toStdString();
        content += QByteArray::fromStdString(formatStoreLine(line));
        content += '\n';
    }
    return device.write(content) == content.size();
}

QSettings::Format storeFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("reg"), readStoreFile, writeStoreFile);
    return format;
}

// "Software\Marlowick32\Tools" -> <config>/Marlowick32/Tools.reg
QString storeFilePath()
{
    QString key = QString::fromStdString(SettingsKey);
    const QString software = QStringLiteral("Software\\");
    if (key.startsWith(software, Qt::CaseInsensitive))
        key.remove(0, software.size());
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + key
         + QStringLiteral(".reg");
}
#endif

std::unique_ptr<QSettings> openStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromStdString(SettingsKey),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(storeFilePath(), storeFormat());
#endif
}

// The open batch; a batch is used only for the key it was opened under.
struct OpenBatch {
    QSettings* store = nullptr;
    const std::string* key = nullptr;
};
OpenBatch openBatch;

// The store of SettingsKey: the open batch's, or one opened afresh.
class StoreAccess {
public:
    StoreAccess()
    {
        if (openBatch.store && *openBatch.key == SettingsKey)
            store = openBatch.store;
        else
            store = (own = openStore()).get();
    }
    QSettings* operator->() const { return store; }
    // Values reach the file now, unless a batch writes them at its end.
    void commit() const
    {
        if (own)
            own->sync();
    }

private:
    std::unique_ptr<QSettings> own;
    QSettings* store;
};

enum class StoredKind { String, Number };

// The stored value of `name` when it has the expected kind; nothing when it
// is missing or the store cannot be read.
QVariant storedValue(const QString& name, StoredKind expected)
{
    const StoreAccess store;
    if (store->status() != QSettings::NoError)
        return {};
    const QVariant value = store->value(name);
    if (!value.isValid())
        return {};
    const int type = value.typeId();
    const bool isNumber = type == QMetaType::Int || type == QMetaType::UInt || type == QMetaType::LongLong
                       || type == QMetaType::ULongLong;
    const bool isString = type == QMetaType::QString;
    if ((expected == StoredKind::Number && !isNumber) || (expected == StoredKind::String && !isString))
        throw SettingsError("Invalid data type for '" + name.toStdString() + "'");
    return value;
}

// Lost silently when the store cannot be written.
void storeValue(const QString& name, const QVariant& value)
{
    const StoreAccess store;
    store->setValue(name, value);
    store.commit();
}

}  // namespace

QString TZpxProcs::ReadSetting(const QString& name, const QString& defaultValue)
{
    const QVariant value = storedValue(name, StoredKind::String);
    return value.isValid() ? value.toString() : defaultValue;
}

QString TZpxProcs::ReadSetting(const QString& name, const char* defaultValue)
{
    return ReadSetting(name, QString::fromUtf8(defaultValue));
}

int TZpxProcs::ReadSetting(const QString& name, int defaultValue)
{
    const QVariant value = storedValue(name, StoredKind::Number);
    return value.isValid() ? static_cast<std::int32_t>(value.toLongLong()) : defaultValue;
}

bool TZpxProcs::ReadSetting(const QString& name, bool defaultValue)
{
    const QVariant value = storedValue(name, StoredKind::Number);
    return value.isValid() ? value.toLongLong() != 0 : defaultValue;
}

void TZpxProcs::WriteSetting(const QString& name, const QString& value)
{
    storeValue(name, value);
}

void TZpxProcs::WriteSetting(const QString& name, const char* value)
{
    WriteSetting(name, QString::fromUtf8(value));
}

void TZpxProcs::WriteSetting(const QString& name, int value)
{
    storeValue(name, value);
}

void TZpxProcs::WriteSetting(const QString& name, bool value)
{
    storeValue(name, value ? 1 : 0);
}

void TZpxProcs::WriteBounds(const QString& name, int left, int top, int width, int height)
{
    WriteSetting(name, QString::fromStdString(formatScreenBounds(left, top, width, height)));
}

SettingsBatch::SettingsBatch()
{
    // An inner batch writes with the outer one.
    if (openBatch.store)
        return;
    store = openStore();
    key = SettingsKey;
    openBatch = {store.get(), &key};
}

SettingsBatch::~SettingsBatch()
{
    if (!store)
        return;
    openBatch = {};
    store->sync();
}

}  // namespace zpx
