#include "construct/ZpxInputUnit.h"

#include "construct/QuoteLayout.h"
#include "core/DialogsUnit.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"
#include "core/SFXUnit.h"
#include "core/SharedState.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"

#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QValidator>

#include <algorithm>

namespace zpx {

TZpxInputForm* ZpxInputForm = nullptr;

namespace {

// The author-title edit upper-cases as the constructor types.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        // Letter by letter: a letter without a single upper-case form (ß)
        // stays itself rather than becoming two letters.
        for (QChar& c : input)
            c = c.toUpper();
        return Acceptable;
    }
};

bool countsInQuotation(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

QFont courierNew()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(15);
    return font;
}

}  // namespace

TZpxInputForm::TZpxInputForm(QWidget* parent) : QDialog(parent, ToolWindowFlags | Qt::WindowStaysOnTopHint)
{
    setFixedSize(434, 322);
}

// The controls are made when the dialog is first shown: the program starts
// faster, and most sessions never construct a new puzzle.
void TZpxInputForm::createComponents()
{
    QuoteMemo = new QPlainTextEdit(this);
    AcrosticEdit = new QLineEdit(this);
    AutoBtn = new QRadioButton(QStringLiteral("AUTO"), this);
    ManualBtn = new QRadioButton(QStringLiteral("MANUAL"), this);
    WidthSpin = new QSpinBox(this);
    HeightSpin = new QSpinBox(this);
    Label2 = new QLabel(QStringLiteral(" Width"), this);
    Label1 = new QLabel(QStringLiteral(" Height"), this);
    Label3 = new QLabel(QStringLiteral(" Quotation Count"), this);
    QcLbl = new QLabel(QStringLiteral("0"), this);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    OkBtn = new QPushButton(QStringLiteral("&OK"), this);

    QuoteMemo->setGeometry(8, 8, 418, 190);
    QuoteMemo->setFont(courierNew());
    QuoteMemo->setTabChangesFocus(true);
    QuoteMemo->setPlaceholderText(QStringLiteral("Source quotation"));
    QuoteMemo->installEventFilter(this);

    AcrosticEdit->setGeometry(8, 206, 418, 26);
    AcrosticEdit->setFont(courierNew());
    AcrosticEdit->setPlaceholderText(QStringLiteral("AUTHOR-TITLE LINE"));
    AcrosticEdit->setValidator(new UpperCaseValidator(AcrosticEdit));

    AutoBtn->setGeometry(8, 244, 84, 22);
    ManualBtn->setGeometry(8, 270, 84, 22);
    AutoBtn->setChecked(true);
    Label2->setGeometry(98, 244, 52, 22);
    Label1->setGeometry(98, 270, 52, 22);
    WidthSpin->setGeometry(152, 244, 56, 22);
    HeightSpin->setGeometry(152, 270, 56, 22);
    WidthSpin->setRange(MinGridWidth, MaxColumns);
    WidthSpin->setValue(MinGridWidth);
    HeightSpin->setRange(MinGridHeight, MaxManualGridHeight);
    HeightSpin->setValue(MinGridHeight);

    Label3->setGeometry(224, 244, 130, 22);
    Label3->setAutoFillBackground(true);
    QPalette gray = Label3->palette();
    gray.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    gray.setColor(QPalette::WindowText, Qt::white);
    Label3->setPalette(gray);
    QcLbl->setGeometry(360, 244, 66, 22);

    CancelBtn->setGeometry(224, 284, 96, 30);
    OkBtn->setGeometry(330, 284, 96, 30);
    // Enter in the author-title line is OK; in the quotation it starts a new line.
    CancelBtn->setAutoDefault(false);
    OkBtn->setDefault(true);

    connectGuarded(AutoBtn, &QRadioButton::clicked, this, [this] { AutoBtnClick(); });
    connectGuarded(ManualBtn, &QRadioButton::clicked, this, [this] { AutoBtnClick(); });
    connectGuarded(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
    connectGuarded(OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
}

void TZpxInputForm::setVisible(bool visible)
{
    // Before the showing itself, so the new controls are shown with the dialog.
    if (visible && !QuoteMemo)
        createComponents();
    QDialog::setVisible(visible);
}

void TZpxInputForm::showEvent(QShowEvent* event)
{
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
    FormShow();
    QDialog::showEvent(event);
}

bool TZpxInputForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QuoteMemo) {
        if (event->type() == QEvent::KeyPress)
            QuoteMemoKeyPress(static_cast<QKeyEvent*>(event));
        else if (event->type() == QEvent::KeyRelease)
            QuoteMemoKeyUp(static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

void TZpxInputForm::FormShow()
{
    const QString file = QFileInfo(NewFileName).fileName();
    setWindowTitle(QStringLiteral("Quotation and Author-Title of ") + file.left(qMax(0, file.size() - 4)).toUpper());
    AutoBtn->setChecked(true);
    WidthSpin->setValue(MinGridWidth);
    HeightSpin->setValue(MinGridHeight);
    QcLbl->setText(QStringLiteral("0"));
    AutoBtnClick();
    QuoteMemo->clear();
    AcrosticEdit->clear();
    QuoteMemo->setFocus();
}

void TZpxInputForm::AutoBtnClick()
{
    const bool manual = ManualBtn->isChecked();
    for (QWidget* widget : {static_cast<QWidget*>(WidthSpin), static_cast<QWidget*>(HeightSpin),
                            static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label1)})
        widget->setEnabled(manual);
    if (AutoBtn->isChecked()) {
        WidthSpin->setValue(MinGridWidth);
        HeightSpin->setValue(MinGridHeight);
    }
}

// A running estimate: each typed space or letter counts one; pasted text
// waits for the next recount.
void TZpxInputForm::QuoteMemoKeyPress(const QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() == 1 && countsInQuotation(typed.front()))
        QcLbl->setText(QString::number(QcLbl->text().toInt() + 1));
}

void TZpxInputForm::QuoteMemoKeyUp(const QKeyEvent* event)
{
    if (event->key() != Qt::Key_Delete && event->key() != Qt::Key_Backspace)
        return;
    const QString text = QuoteMemo->toPlainText();
    QcLbl->setText(QString::number(std::count_if(text.begin(), text.end(), countsInQuotation)));
}

void TZpxInputForm::OkBtnClick()
{
    const auto refusal = checkInputFields(QuoteMemo->toPlainText().toStdString(), AcrosticEdit->text().toStdString());
    if (!refusal) {
        BuildPuzzleFromInput();
        return;
    }
    reportRefusal(*refusal);
    if (refusal->kind == InputRefusal::EmptyQuotation)
        QuoteMemo->setFocus();
    else
        AcrosticEdit->setFocus();
}

void TZpxInputForm::BuildPuzzleFromInput()
{
    const GridSizing sizing{AutoBtn->isChecked(), WidthSpin->value(), HeightSpin->value()};
    RandomSource random(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    TPuzzleRecord built = PuzzleRecord;
    const auto refusal = buildPuzzleFromInput(built, QuoteMemo->toPlainText().toStdString(),
                                              AcrosticEdit->text().toStdString(), sizing, random);
    if (refusal) {
        reportRefusal(*refusal);
        return;
    }
    // Until its first save the new puzzle exists only in memory.
    puzzleEdits().startFresh(built, PuzzleEdits::Saved::NotYet);
    accept();
}

// An empty field is an error box; a construction refusal an information box,
// with the refusal sound in sound mode only.
void TZpxInputForm::reportRefusal(const Refusal& refusal)
{
    const QString text = QString::fromStdString(refusal.message);
    if (!refusal.isConstructionRefusal()) {
        ZpxProcs->ErrorMessage(text);
        return;
    }
    if (SoundMode == 1)
        SoundFX->PlayWave1();
    showMessage({MessageKind::Information, MessageButtons::Ok, QStringLiteral("Zephyrtrace"), text});
}

}  // namespace zpx
