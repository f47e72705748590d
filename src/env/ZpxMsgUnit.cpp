#include "env/ZpxMsgUnit.h"

#include "core/WindowPlacesUnit.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
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

// Filling: three letter tiles, the last still being laid.
QPixmap fillPicture()
{
    QPixmap picture = emptyPicture();
    QPainter painter(&picture);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    font.setBold(true);
    painter.setFont(font);
    const char* const letters[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        const QRect tile(1 + i * 11, 10 + (i == 2 ? 4 : 0), 10, 10);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(i == 2 ? StandardColour::Yellow : QColor(Qt::white));
        painter.drawRect(tile);
        painter.setPen(Navy);
        painter.drawText(tile, Qt::AlignCenter, QString::fromLatin1(letters[i]));
    }
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
    {fillPicture, "Filling words ...     "},
};

constexpr int NoticeWidth = 194;
constexpr int NoticeHeight = 69;
constexpr int CancelRowHeight = 30;
// Short, so that Cancel and the end of the work are answered at once.
constexpr int WorkLookMs = 10;

}  // namespace

TInfoWin::TInfoWin(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setFixedSize(NoticeWidth, NoticeHeight);
    fillWithSilver(this);
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(rect());
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry((NoticeWidth - 75) / 2, NoticeHeight + 3, 75, CancelRowHeight - 6);
    CancelBtn->hide();
    connectGuarded(CancelBtn, &QPushButton::clicked, this, [this] { CancelRequested = true; });
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

    WorkTimer = new QTimer(this);
    WorkTimer->setInterval(WorkLookMs);
    connectGuarded(WorkTimer, &QTimer::timeout, this, [this] {
        if (WorkDone)
            WorkEnded();
    });
}

TInfoWin::~TInfoWin()
{
    CancelRequested = true;
    if (Worker.joinable())
        Worker.join();
}

bool TInfoWin::RunCancellable(std::uint8_t kind, std::function<void(const std::atomic<bool>& cancel)> work,
                              std::function<void()> done)
{
    if (Worker.joinable())
        return false;
    WorkingWindow = QApplication::activeWindow();
    CancelRequested = false;
    WorkDone = false;
    AfterWork = std::move(done);
    NoticeKind = kind;
    ShowNotice();
    WorkFailure = nullptr;
    Worker = std::thread([this, work = std::move(work)] {
        try {
            work(CancelRequested);
        } catch (...) {
            WorkFailure = std::current_exception();
        }
        WorkDone = true;
    });
    WorkTimer->start();
    return true;
}

void TInfoWin::WorkEnded()
{
    WorkTimer->stop();
    Worker.join();
    close();
    // The keys go back to the window the user worked in: Ctrl+S after a fill saves.
    if (WorkingWindow && WorkingWindow->isVisible())
        WorkingWindow->activateWindow();
    const std::function<void()> done = std::move(AfterWork);
    if (WorkFailure)
        std::rethrow_exception(WorkFailure);
    done();
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
    if (NoticeKind >= NoticeSaving && NoticeKind <= NoticeFilling) {
        const Notice& notice = Notices[NoticeKind - 1];
        Image1->setPixmap(notice.picture());
        PanelText->setText(QString::fromLatin1(notice.text));
    }
    const bool cancellable = NoticeKind == NoticeFilling;
    CancelBtn->setVisible(cancellable);
    setFixedSize(NoticeWidth, NoticeHeight + (cancellable ? CancelRowHeight : 0));
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
