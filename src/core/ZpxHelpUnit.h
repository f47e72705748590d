#pragma once
// The help book: HTML pages shipped with the program, shown in one window
// with buttons for the contents and the keyword index.

#include <QWidget>

class QTextBrowser;

namespace zpx {

class THelpForm : public QWidget {
    Q_OBJECT

public:
    explicit THelpForm(QWidget* parent = nullptr);
    // Shows the page at `path`, scrolled to `anchor` when one is given.
    void showPage(const QString& path, const QString& anchor = {});
    QString currentPage() const;

private:
    // Another page of the book the current page belongs to.
    void showSiblingPage(const QString& name);
    // The window shrinks to the screen where it must, and stands in its middle.
    void fitOnScreen();

    QTextBrowser* browser;
};

// The help book's page `name` ("index.html") where the program finds its
// shipped files: installed, or beside the program in a build folder.
QString helpBookPage(const QString& name);

// The one help window, made when help is first asked for.
THelpForm* ZpxHelpWindow();
// Closes the help window if it was ever made.
void closeHelpWindow();

}  // namespace zpx
