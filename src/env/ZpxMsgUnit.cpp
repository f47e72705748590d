#include "env/ZpxMsgUnit.h"

#include "core/WindowPlacesUnit.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace zpx {

TInfoWin* InfoWin = nullptr;

namespace {

constexpr int PictureWidth = 34;
constexpr int PictureHeight = 31;
// How long the notice stays up after the work.
constexpr int ReadingTimeMs = 1000;
const QColor Navy(0x00, 0x00, 0x80);

QPixmap emptyPicture()
{
    QPixmap picture(PictureWidth, PictureHeight);
    picture.fill(Qt::transparent);
    return picture;
}

// "SAVE": a diskette with its label and shutter.
QPixmap savePicture()
{
    QPixmap picture = emptyPicture();
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Navy);
    QPainterPath body;
    body.moveTo(4, 2);
    body.lineTo(27, 2);
    body.lineTo(31, 6);
    body.lineTo(31, 29);
    body.lineTo(4, 29);
    body.closeSubpath();
    painter.drawPath(body);
    painter.setBrush(StandardColour::Silver);
    painter.drawRect(10, 2, 14, 9);
    painter.setBrush(Navy);
    painter.drawRect(19, 4, 3, 5);
    painter.setBrush(Qt::white);
    painter.drawRect(8, 15, 19, 14);
    painter.setPen(QPen(StandardColour::Gray, 1));
    for (int y = 19; y <= 25; y += 3)
        painter.drawLine(10, y, 25, y);
    return picture;
}

// "PRINT": a printer with a sheet coming out of it.
QPixmap printPicture()
{
    QPixmap picture = emptyPicture();
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(9, 1, 16, 12);
    painter.setBrush(StandardColour::Silver);
    painter.drawRect(2, 12, 30, 12);
    painter.setBrush(StandardColour::Gray);
    painter.drawRect(6, 24, 22, 4);
    painter.setBrush(Qt::white);
    painter.drawRect(9, 20, 16, 10);
    painter.setPen(QPen(Navy, 1));
    painter.drawLine(11, 23, 22, 23);
    painter.drawLine(11, 26, 19, 26);
    painter.setPen(Qt::NoPen);
    painter.setBrush(StandardColour::Lime);
    painter.drawRect(27, 15, 3, 2);
    return picture;
}

struct Notice {
    QPixmap (*picture)();
    const char* text;
};

// The trailing spaces keep the right-aligned text clear of the panel's edge.
const Notice Notices[] = {
    {savePicture, "Saving puzzle ...    "},
    {printPicture, "Printing puzzle ...   "},
    {savePicture, "Exporting puzzle ...  "},
};

}  // namespace

TInfoWin::TInfoWin(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setFixedSize(194, 69);
    fillWithSilver(this);
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(rect());
    PanelText = new QLabel(Panel1);
    PanelText->setGeometry(Panel1->contentsRect());
    PanelText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    font.setItalic(true);
    PanelText->setFont(font);
    QPalette navyText = PanelText->palette();
    navyText.setColor(QPalette::WindowText, Navy);
    PanelText->setPalette(navyText);
    Image1 = new QLabel(Panel1);
    Image1->setGeometry(14, 19, PictureWidth, PictureHeight);

    ReadingTimer = new QTimer(this);
    ReadingTimer->setSingleShot(true);
    ReadingTimer->setInterval(ReadingTimeMs);
    connectGuarded(ReadingTimer, &QTimer::timeout, this, [this] { close(); });
}

void TInfoWin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TInfoWin::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TInfoWin::FormShow()
{
    if (NoticeKind >= NoticeSaving && NoticeKind <= NoticeExporting) {
        const Notice& notice = Notices[NoticeKind - 1];
        Image1->setPixmap(notice.picture());
        PanelText->setText(QString::fromLatin1(notice.text));
    }
    const QRect grid = anchorBounds(PlacementAnchor::Grid);
    move(grid.left() + 35, grid.top() + 35);
}

void TInfoWin::FormClose()
{
    Image1->clear();
}

void TInfoWin::ShowNotice()
{
    ReadingTimer->stop();
    if (isVisible())
        FormShow();
    else
        show();
}

void TInfoWin::CloseAfterReading()
{
    ReadingTimer->start();
}

void showNotice(std::uint8_t kind)
{
    InfoWin->NoticeKind = kind;
    InfoWin->ShowNotice();
}

void closeNotice(bool afterWork)
{
    if (afterWork)
        InfoWin->CloseAfterReading();
    else
        InfoWin->close();
}

}  // namespace zpx
