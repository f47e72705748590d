#include "core/ZpxApplicationUnit.h"

#include "core/DialogsUnit.h"

#include <exception>

namespace zpx {

TZpxApplication::TZpxApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zephyrtrace"));
}

bool TZpxApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showRunTimeError(QString::fromUtf8(error.what()));
    }
    return false;
}

void showRunTimeError(const QString& text)
{
    showMessage({MessageKind::Error, MessageButtons::Ok, QStringLiteral("Zephyrtrace"), text});
}

}  // namespace zpx
