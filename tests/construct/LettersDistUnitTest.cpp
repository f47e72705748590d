#include "construct/LettersDistUnit.h"

#include "support/RecordBuilder.h"
#include "core/PuzzleRecord.h"
#include "core/ScreenMetricsUnit.h"
#include "app/ZpxMainUnit.h"
#include "core/ZpxProcsUnit.h"
#include "support/WindowTestSupport.h"

#include <QLabel>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

namespace {

int pixelsWhere(const QImage& canvas, const QRect& area, bool (*test)(const QColor&))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(canvas.pixelColor(x, y));
    return count;
}

bool isDark(const QColor& colour) { return colour.lightness() < 80; }
bool isWhite(const QColor& colour) { return colour.lightness() > 230; }

// "YOU SEE WHY" with the author-title line "YES": first letters Y, E, S placed.
TPuzzleRecord afterInput()
{
    TPuzzleRecord record = gridRecord({"YOU#SEE#", "WHY#####"});
    placeWord(record, 1, {{1, 1}});
    placeWord(record, 2, {{6, 1}});
    placeWord(record, 3, {{5, 1}});
    return record;
}

}  // namespace

class LettersDistUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWindowTestEnvironment();
        ZpxMainForm = new TZpxMainForm;
        ZpxMainForm->show();
        LettersDistForm = new TLettersDistForm;
    }

    void init()
    {
        clearSettings();
        LettersDistForm->hide();
    }

    void cellsShowTheFreeLettersBlackAndUsedUpLettersWhite()
    {
        editablePuzzleRecord() = afterInput();
        LettersDistForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(LettersDistForm));
        const QImage& canvas = LettersDistForm->canvas();
        // Free: O, U, E, W, H, Y once each; everything else, S included, is used up or absent.
        const QString free = QStringLiteral("OUEWHY");
        for (int i = 0; i < 26; ++i) {
            const QRect cell = LettersDistForm->cellRect(i);
            const QChar letter(QLatin1Char(static_cast<char>('A' + i)));
            if (free.contains(letter)) {
                QVERIFY2(pixelsWhere(canvas, cell, isDark) > 0, qPrintable(letter));
                QCOMPARE(pixelsWhere(canvas, cell, isWhite), 0);
            } else {
                QVERIFY2(pixelsWhere(canvas, cell, isWhite) > 0, qPrintable(letter));
                QCOMPARE(pixelsWhere(canvas, cell, isDark), 0);
            }
        }
        QCOMPARE(LettersDistForm->VKText->text(),
                 QStringLiteral("3 unfilled acrostic words  /    4 vowels  +  2 consonants  =  6 remaining letters"));
        QCOMPARE(LettersDistForm->VKText->geometry(),
                 QRect(1, LettersDistForm->height() - 15, LettersDistForm->width() - 2, 15));
    }

    void everyLetterUsedShowsZeroesInWhite()
    {
        editablePuzzleRecord() = afterInput();
        placeWord(editablePuzzleRecord(), 1, {{2, 1}, {3, 1}, {7, 1}});
        placeWord(editablePuzzleRecord(), 2, {{1, 2}, {2, 2}, {3, 2}});
        LettersDistForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(LettersDistForm));
        for (int i = 0; i < 26; ++i) {
            QVERIFY(pixelsWhere(LettersDistForm->canvas(), LettersDistForm->cellRect(i), isWhite) > 0);
            QCOMPARE(pixelsWhere(LettersDistForm->canvas(), LettersDistForm->cellRect(i), isDark), 0);
        }
        QCOMPARE(LettersDistForm->VKText->text(),
                 QStringLiteral("1 unfilled acrostic words  /    0 vowels  +  0 consonants  =  0 remaining letters"));
    }

    void takesTheStripBesideTheMainWindow()
    {
        editablePuzzleRecord() = afterInput();
        const QRect main = frameBounds(ZpxMainForm, captionHeight());
        LettersDistForm->show();
        QRect placed = frameBounds(LettersDistForm, smallCaptionHeight());
        QCOMPARE(placed, QRect(main.width() + 4, 2, screenWidth() - main.width() - 6, main.height()));

        LettersDistForm->hide();
        ZpxProcs->WriteBounds(QStringLiteral("ScreenBoundsLettersDist"), 300, 40, 5, 5);
        LettersDistForm->show();
        placed = frameBounds(LettersDistForm, smallCaptionHeight());
        QCOMPARE(placed, QRect(300, 40, screenWidth() - main.width() - 6, main.height()));
    }
};

QTEST_MAIN(LettersDistUnitTest)
#include "LettersDistUnitTest.moc"
