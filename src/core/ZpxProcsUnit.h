#pragma once
// The shared services every window calls: the puzzle file, the error box
// and the settings store.

#include <QObject>
#include <QString>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

class QSettings;

namespace zpx {

// A settings value of the wrong type or a malformed rectangle; reaches the
// application's standard error box.
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TZpxProcs : public QObject {
    Q_OBJECT

public:
    explicit TZpxProcs(QObject* parent = nullptr);

    void ErrorMessage(const QString& text);
    // Both raise zpx::FileError; SavePuzzle clears Modified only on success.
    // A file named .ipuz is imported by LoadPuzzle and never written by SavePuzzle.
    void LoadPuzzle(const QString& path);
    void SavePuzzle(const QString& path);
    void RecyclePuzzle(const QString& path);
    void ResetPuzzle(int width, int height);
    std::pair<int, int> SlotSquare(int slot);
    bool IsComplete();

    // Settings under SettingsKey; the default's type is the value's type.
    QString ReadSetting(const QString& name, const QString& defaultValue);
    QString ReadSetting(const QString& name, const char* defaultValue);
    int ReadSetting(const QString& name, int defaultValue);
    bool ReadSetting(const QString& name, bool defaultValue);
    void WriteSetting(const QString& name, const QString& value);
    void WriteSetting(const QString& name, const char* value);
    void WriteSetting(const QString& name, int value);
    void WriteSetting(const QString& name, bool value);
    void WriteBounds(const QString& name, int left, int top, int width, int height);

private:
    void ZpxProcsCreate();
};

// Settings written while a batch lives reach the store together, in one
// write of the store file when the batch ends, instead of one write each.
// Reads during the batch see its values.
class SettingsBatch {
public:
    SettingsBatch();
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    std::unique_ptr<QSettings> store;
    std::string key;
};

extern TZpxProcs* ZpxProcs;

}  // namespace zpx
