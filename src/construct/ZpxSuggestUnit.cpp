#include "construct/ZpxSuggestUnit.h"

#include "construct/AnswerSuggestions.h"
#include "construct/WordList.h"
#include "construct/WordTexts.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/PuzzleEdits.h"
#include "core/WindowStyleUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "core/ZpxProcsUnit.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace zpx {

TZpxSuggestForm* ZpxSuggestForm = nullptr;

namespace {

constexpr std::size_t ShownSuggestions = 60;

}  // namespace

TZpxSuggestForm::TZpxSuggestForm(QWidget* parent) : QWidget(parent, ToolWindowFlags)
{
    setWindowTitle(QStringLiteral("Suggestions"));
    fillWithSilver(this);
    WordLbl = new QLabel(this);
    WordLbl->setWordWrap(true);
    SuggestList = new QListWidget(this);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPixelSize(15);
    SuggestList->setFont(listFont);
    connectGuarded(SuggestList, &QListWidget::itemActivated, this, [this] { SuggestListActivated(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(WordLbl);
    layout->addWidget(SuggestList);
    resize(260, 320);
}

void TZpxSuggestForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FillSuggestList();
}

void TZpxSuggestForm::FillSuggestList()
{
    SuggestList->clear();
    const int word = SelectedWord;
    if (word == 0) {
        WordLbl->setText(QStringLiteral("Select an acrostic word."));
        return;
    }
    std::vector<Suggestion> suggestions;
    try {
        const int level = ZpxProcs->ReadSetting(QStringLiteral("WordListLevel"), DefaultWordListLevel);
        suggestions = suggestAnswers(PuzzleRecord, *sharedScowlWordList(level), word, ShownSuggestions);
    } catch (const WordListError& error) {
        WordLbl->setText(QString::fromStdString(error.what()));
        return;
    }
    const QString label = QString::fromStdString(wordLabel(word));
    const QString letters = QString::fromLatin1(wordText(PuzzleRecord, word)).trimmed();
    WordLbl->setText(suggestions.empty() ? QStringLiteral("No word of the list fits %1 (%2).").arg(label, letters)
                                         : QStringLiteral("Answers for %1 (%2):").arg(label, letters));
    for (const Suggestion& suggestion : suggestions) {
        auto* item = new QListWidgetItem(QString::fromStdString(suggestion.text), SuggestList);
        // Those Scan Grid would list stand out in gray.
        if (suggestion.repeats)
            item->setForeground(StandardColour::Gray);
        item->setToolTip(QStringLiteral("level %1%2").arg(suggestion.level).arg(
            suggestion.repeats ? QStringLiteral(", takes two letters from one quotation word") : QString()));
    }
}

void TZpxSuggestForm::SuggestListActivated()
{
    const QListWidgetItem* item = SuggestList->currentItem();
    const int word = SelectedWord;
    if (!item || word == 0 || Mode != ModeConstruction)
        return;
    buildAnswer(puzzleEdits(), word, item->text().toStdString());
}

}  // namespace zpx
