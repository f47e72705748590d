#pragma once
// The application object, and the one way event handlers are connected.

#include <QApplication>

#include <exception>

namespace zpx {

// Run-time failures that escape an event handler (a file that cannot be
// written, a setting of the wrong type) end in the standard error box and
// the program carries on.
class TZpxApplication : public QApplication {
public:
    TZpxApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows a run-time failure in the standard error box.
void showRunTimeError(const QString& text);

// Runs an event handler; a run-time failure ends it in the standard error
// box. Handlers connected to signals go through here, because an exception
// must not cross Qt's signal delivery.
template <typename Handler>
void runGuarded(Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        showRunTimeError(QString::fromUtf8(error.what()));
    }
}

// Connects a signal to an event handler that runs guarded.
template <typename Sender, typename Signal, typename Handler>
void connectGuarded(Sender* sender, Signal signal, QObject* context, Handler handler)
{
    QObject::connect(sender, signal, context, [handler] { runGuarded(handler); });
}

}  // namespace zpx
