#include "core/ZpxHelpUnit.h"

#include "core/DialogsUnit.h"
#include "core/ScreenMetricsUnit.h"
#include "core/ShippedFiles.h"
#include "core/ZpxApplicationUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <filesystem>

namespace zpx {

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window), browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Zephyrtrace Help"));
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* index = new QPushButton(QStringLiteral("&Index"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    connectGuarded(contents, &QPushButton::clicked, this, [this] { showSiblingPage(QStringLiteral("index.html")); });
    connectGuarded(index, &QPushButton::clicked, this, [this] { showSiblingPage(QStringLiteral("keywords.html")); });
    connectGuarded(back, &QPushButton::clicked, this, [this] { browser->backward(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(index);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser);
    resize(640, 520);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connectGuarded(escape, &QShortcut::activated, this, [this] { close(); });
}

void THelpForm::showSiblingPage(const QString& name)
{
    showPage(QFileInfo(currentPage()).dir().filePath(name));
}

void THelpForm::showPage(const QString& path, const QString& anchor)
{
    if (!QFileInfo::exists(path)) {
        showMessage({MessageKind::Error, MessageButtons::Ok, QStringLiteral("Error"),
                     QStringLiteral("The help file %1 cannot be found.").arg(QDir::toNativeSeparators(path))});
        return;
    }
    QUrl page = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        page.setFragment(anchor);
    browser->setSource(page);
    if (!isVisible())
        fitOnScreen();
    show();
    raise();
    activateWindow();
}

void THelpForm::fitOnScreen()
{
    const QRect area = screen()->availableGeometry();
    // The frame and caption take room beyond the window's own size.
    const QSize room = area.size() - QSize(2 * frameBorder(), captionHeight() + 2 * frameBorder());
    resize(size().boundedTo(room));
    QRect frame(QPoint(), size() + QSize(2 * frameBorder(), captionHeight() + 2 * frameBorder()));
    frame.moveCenter(area.center());
    move(frame.left() + frameBorder(), frame.top() + captionHeight() + frameBorder());
}

QString THelpForm::currentPage() const
{
    return browser->source().toLocalFile();
}

namespace {

THelpForm* helpWindow = nullptr;

}  // namespace

QString helpBookPage(const QString& name)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const std::filesystem::path page = std::filesystem::path("help") / name.toStdU16String();
    return QFileInfo(shippedFile(programFolder.filesystemAbsolutePath(), page)).filePath();
}

THelpForm* ZpxHelpWindow()
{
    if (!helpWindow)
        helpWindow = new THelpForm;
    return helpWindow;
}

void closeHelpWindow()
{
    if (helpWindow)
        helpWindow->close();
}

}  // namespace zpx
