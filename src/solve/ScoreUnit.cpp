#include "solve/ScoreUnit.h"

#include "core/DialogsUnit.h"
#include "core/PuzzleRecord.h"
#include "core/SFXUnit.h"
#include "core/SharedState.h"
#include "core/WindowEvents.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"
#include "solve/ClockCount.h"
#include "solve/Scoring.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace zpx {

TScoreForm* ScoreForm = nullptr;

namespace {

const QColor Navy{0x00, 0x00, 0x80};

// The card's picture: a gold cup with a navy ribbon.
QPixmap trophyPicture()
{
    QPixmap picture(64, 72);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor gold(0xE8, 0xB8, 0x20);
    const QColor shade(0xA0, 0x78, 0x10);

    // Handles first, so the bowl covers their inner ends.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, 4));
    painter.drawEllipse(QRectF(6, 10, 16, 18));
    painter.drawEllipse(QRectF(42, 10, 16, 18));

    painter.setPen(QPen(shade, 2));
    painter.setBrush(gold);
    QPainterPath bowl;
    bowl.moveTo(14, 6);
    bowl.lineTo(50, 6);
    bowl.cubicTo(50, 30, 42, 40, 32, 42);
    bowl.cubicTo(22, 40, 14, 30, 14, 6);
    painter.drawPath(bowl);
    painter.drawRect(QRectF(29, 42, 6, 10));
    painter.drawRect(QRectF(20, 52, 24, 6));
    painter.drawRect(QRectF(16, 58, 32, 8));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawPolygon(QPolygonF({QPointF(26, 16), QPointF(38, 16), QPointF(38, 28), QPointF(32, 24),
                                   QPointF(26, 28)}));
    painter.setBrush(QColor(0xFF, 0xF0, 0xA0));
    painter.drawEllipse(QRectF(18, 9, 5, 12));
    return picture;
}

QLabel* bannerLabel(QWidget* parent, const QString& text, int pixelSize)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

TScoreForm::TScoreForm(QWidget* parent) : QDialog(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Score Card"));
    setFixedSize(352, 112);
    fillWithSilver(this);

    Image1 = new QLabel(this);
    Image1->setPixmap(trophyPicture());
    Image1->setGeometry(276, 8, 64, 72);

    BannerLbl = bannerLabel(this, QStringLiteral("CONGRATULATIONS!"), 24);
    BannerLbl->setGeometry(12, 12, 260, 30);
    setTextColour(BannerLbl, Navy);
    CheatLbl = bannerLabel(this, QStringLiteral("(but you cheated)"), 11);
    CheatLbl->setGeometry(12, 44, 260, 16);
    setTextColour(CheatLbl, Navy);
    CheatLbl->hide();
    TimeLbl = bannerLabel(this, QString(), 11);
    TimeLbl->setGeometry(12, 60, 260, 16);
    setTextColour(TimeLbl, Navy);

    ShowErrsBtn = new QPushButton(QStringLiteral("Show &Errors"), this);
    StartOverBtn = new QPushButton(QStringLiteral("&Start Over"), this);
    DeleteBtn = new QPushButton(QStringLiteral("&Recycle Bin"), this);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    QPushButton* const buttons[] = {ShowErrsBtn, StartOverBtn, DeleteBtn, CancelBtn};
    for (int i = 0; i < 4; ++i) {
        buttons[i]->setGeometry(8 + i * 84, 80, 80, 25);
        buttons[i]->setAutoDefault(false);
    }
    ShowErrsBtn->setEnabled(false);
    DeleteBtn->setEnabled(false);

    connectGuarded(ShowErrsBtn, &QPushButton::clicked, this,
                   [this] { done(static_cast<int>(ScoreChoice::ShowErrors)); });
    connectGuarded(StartOverBtn, &QPushButton::clicked, this, [this] { StartOverBtnClick(); });
    connectGuarded(DeleteBtn, &QPushButton::clicked, this,
                   [this] { done(static_cast<int>(ScoreChoice::RecycleBin)); });
    connectGuarded(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
    static_assert(static_cast<int>(ScoreChoice::Nothing) == QDialog::Rejected,
                  "closing the card chooses nothing");
}

void TScoreForm::ShowModal(std::function<void(ScoreChoice)> chosen)
{
    const auto showCard = [this, chosen = std::move(chosen)] { chosen(static_cast<ScoreChoice>(exec())); };
    if (FormShow())
        windowEvents().celebrateSolvedPuzzle(showCard);
    else
        showCard();
}

bool TScoreForm::FormShow()
{
    TimeLbl->setText(QString::fromStdString(timeSpentLine(puzzleEdits().progress().secondsSpent)));
    if (puzzleCorrect(PuzzleRecord)) {
        if (SoundMode > 0)
            SoundFX->PlayWave2();
        ShowErrsBtn->setEnabled(false);
        DeleteBtn->setEnabled(true);
        setTextColour(BannerLbl, Navy);
        BannerLbl->setText(QStringLiteral("CONGRATULATIONS!"));
        CheatLbl->setVisible(puzzleEdits().progress().cheated());
        return true;
    }
    ShowErrsBtn->setEnabled(true);
    DeleteBtn->setEnabled(false);
    setTextColour(BannerLbl, StandardColour::Red);
    if (SoundMode > 0)
        SoundFX->PlayWave3();
    BannerLbl->setText(QStringLiteral("PUZZLE INCORRECT!"));
    // A cheat note under a wrong verdict would be left over from an earlier scoring.
    CheatLbl->hide();
    return false;
}

void TScoreForm::StartOverBtnClick()
{
    // A half-finished attempt is worth a question; No keeps it and the card.
    SoundFX->PlayQuestion();
    const Answer answer =
        showMessage({MessageKind::Question, MessageButtons::YesNo, QStringLiteral("Confirm"),
                     QStringLiteral("Clear every letter you have entered and start over?")});
    if (answer != Answer::Yes)
        return;
    startOver(puzzleEdits());
    // A failing write ends here in the error box, with the card still open.
    ZpxProcs->SavePuzzle(QString::fromStdString(PuzzleFileName));
    done(static_cast<int>(ScoreChoice::Nothing));
}

}  // namespace zpx
