#include "env/ZpxAboutUnit.h"

#include "app/ZpxMainUnit.h"
#include "env/SystemFigures.h"
#include "support/WindowTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

using namespace zpx;
using namespace zpx::test;

class ZpxAboutUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { startWholeProgram(); }

    void aboutShowsTheMemoryAndTheBuiltInResourcesFigure()
    {
        QVERIFY(ZpxMainForm->About1->isEnabled());
        QString memory;
        QString resources;
        whenShown(ZpxAboutForm, [&] {
            memory = ZpxAboutForm->PhysMem->text();
            resources = ZpxAboutForm->FreeRes->text();
            ZpxAboutForm->BitBtn1->click();
        });
        ZpxMainForm->About1->trigger();
        QCOMPARE(ZpxAboutForm->windowTitle(), QString("About Zephyrtrace"));
        QVERIFY(memory.endsWith(" KB"));
        QString digits = memory.chopped(3);
        digits.remove(QLocale().groupSeparator());
        QCOMPARE(digits.toULongLong(), totalPhysicalMemory() / 1024);
        QCOMPARE(resources, QString("80% Free"));
    }
};

QTEST_MAIN(ZpxAboutUnitTest)
#include "ZpxAboutUnitTest.moc"
