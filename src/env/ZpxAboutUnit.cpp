#include "env/ZpxAboutUnit.h"

#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "env/SystemFigures.h"

#include <QFrame>
#include <QLabel>
#include <QLibrary>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace zpx {

TZpxAboutForm* ZpxAboutForm = nullptr;

namespace {

int builtInFreeResources(int)
{
    return 80;
}

// Looked up once; the library, when found, stays loaded until the program ends.
int lookUpFreeResources(int kind)
{
    static QLibrary library(QStringLiteral("rsrc32.dll"));
    using Query = int (*)(int);
    auto query = reinterpret_cast<Query>(library.resolve("_MyGetFreeSystemResources32@4"));
    FreeResourcesPercent = query ? query : builtInFreeResources;
    return FreeResourcesPercent(kind);
}

const QColor Navy(0x00, 0x00, 0x80);

QFont arialPixels(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The product logo: the name in a serif italic over a trail of letter squares.
QPixmap productLogo()
{
    QPixmap picture(230, 44);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 9; ++i) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(i % 3 == 2 ? QBrush(Qt::black) : QBrush(Qt::white));
        painter.drawRect(QRectF(4 + 25 * i, 33, 9, 9));
    }
    QFont name(QStringLiteral("Times New Roman"));
    name.setPixelSize(34);
    name.setBold(true);
    name.setItalic(true);
    painter.setFont(name);
    QLinearGradient ink(0, 0, 230, 0);
    ink.setColorAt(0, Navy);
    ink.setColorAt(1, QColor(0x00, 0x80, 0x80));
    painter.setPen(QPen(QBrush(ink), 1));
    painter.drawText(QRect(0, 0, 230, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zephyrtrace"));
    return picture;
}

QLabel* textLabel(QWidget* parent, const QString& text, int x, int y, int width = 250)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 16);
    label->setFont(arialPixels(11));
    return label;
}

}  // namespace

int (*FreeResourcesPercent)(int) = lookUpFreeResources;

TZpxAboutForm::TZpxAboutForm(QWidget* parent) : QDialog(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("About Zephyrtrace"));
    setFixedSize(339, 254);
    fillWithSilver(this);
}

void TZpxAboutForm::createComponents()
{
    imgLogo = new QLabel(this);
    imgLogo->setGeometry(8, 12, 32, 32);
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/images/zephyrtrace.png"))
                           .scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Image2 = new QLabel(this);
    Image2->setGeometry(74, 12, 230, 44);
    Image2->setPixmap(productLogo());
    TMLbl = new QLabel(QStringLiteral("TM"), this);
    TMLbl->setGeometry(306, 12, 16, 10);
    TMLbl->setFont(arialPixels(9));

    textLabel(this, QStringLiteral("Acrostic puzzles for Windows"), 76, 84);
    textLabel(this, QStringLiteral("Version 5.5"), 76, 100);
    textLabel(this, QStringLiteral("Copyright \u00A9 2026 the Zephyrtrace developers."), 76, 116);
    textLabel(this, QStringLiteral("All rights reserved."), 76, 132);
    auto* rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(75, 156, 250, 2);

    lblPhysMem = textLabel(this, QStringLiteral("Memory Available to Windows:"), 76, 168, 160);
    lblFreeRes = textLabel(this, QStringLiteral("System Resources:"), 76, 184, 160);
    PhysMem = textLabel(this, QString(), 225, 168, 100);
    FreeRes = textLabel(this, QString(), 225, 184, 100);
    PhysMem->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FreeRes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setGeometry(248, 221, 77, 25);
    BitBtn1->setDefault(true);
    connectGuarded(BitBtn1, &QPushButton::clicked, this, [this] { accept(); });
}

void TZpxAboutForm::setVisible(bool visible)
{
    if (visible && !BitBtn1)
        createComponents();
    QDialog::setVisible(visible);
}

void TZpxAboutForm::showEvent(QShowEvent* event)
{
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
    FormShow();
    QDialog::showEvent(event);
}

void TZpxAboutForm::FormShow()
{
    const std::string separator = QLocale().groupSeparator().toStdString();
    PhysMem->setText(QString::fromStdString(kilobytesText(totalPhysicalMemory(), separator)));
    FreeRes->setText(QString::fromStdString(freeResourcesText(FreeResourcesPercent(0))));
}

}  // namespace zpx
