#pragma once
// The application object and the creation of every window and data module.

#include <QApplication>

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

// Creates each window and data module once, in the program's fixed order;
// the main window comes first and so is the main form.
void createApplicationWindows();

}  // namespace zpx
