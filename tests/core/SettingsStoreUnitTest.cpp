#include "core/SettingsLookUnit.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"
#include "support/WindowTestSupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace zpx;

namespace {

QString configFolder()
{
    return QDir(test::testFolder()).filePath("config");
}

QString storeFile(const char* key)
{
    return configFolder() + "/Marlowick32/" + key + ".reg";
}

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QString settingsErrorText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const SettingsError& error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("no error");
}

}  // namespace

class SettingsStoreUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::initWindowTestEnvironment(); }
    void init()
    {
        test::clearSettings();
        SettingsKey = MainSettingsKey;
    }

    void emptyStoreGivesDefaultsAndWritesNothing()
    {
        QCOMPARE(ZpxProcs->ReadSetting("FontName", "Arial"), QString("Arial"));
        QCOMPARE(ZpxProcs->ReadSetting("FontName", QString("Times New Roman")), QString("Times New Roman"));
        QCOMPARE(ZpxProcs->ReadSetting("PlaySounds", 1), 1);
        QCOMPARE(ZpxProcs->ReadSetting("PrintPort", true), true);
        QCOMPARE(ZpxProcs->ReadSetting("EntryCounts", false), false);
        QCOMPARE(readScreenBounds("ScreenBoundsMain"), std::nullopt);
        QVERIFY(!QFileInfo::exists(storeFile("Zephyrtrace5")));
        QVERIFY(!QFileInfo::exists(configFolder()));
    }

    void valuesKeepTheirTypeAcrossAFreshRead()
    {
        ZpxProcs->WriteSetting("FontName", "Courier New");
        ZpxProcs->WriteSetting("FontSize", 14);
        ZpxProcs->WriteSetting("PlaySounds", 0);
        ZpxProcs->WriteSetting("PrintPort", false);
        ZpxProcs->WriteSetting("DictPath", QString("C:\\Tools\\\"dict\".exe"));
        ZpxProcs->WriteSetting("Offset", -3);

        const QByteArray content = fileContent(storeFile("Zephyrtrace5"));
        QVERIFY(content.contains("\"FontName\"=\"Courier New\"\n"));
        QVERIFY(content.contains("\"FontSize\"=dword:0000000e\n"));
        QVERIFY(content.contains("\"PrintPort\"=dword:00000000\n"));

        QCOMPARE(ZpxProcs->ReadSetting("FontName", "Arial"), QString("Courier New"));
        QCOMPARE(ZpxProcs->ReadSetting("FontSize", 11), 14);
        QCOMPARE(ZpxProcs->ReadSetting("PlaySounds", 1), 0);
        QCOMPARE(ZpxProcs->ReadSetting("PrintPort", true), false);
        QCOMPARE(ZpxProcs->ReadSetting("DictPath", ""), QString("C:\\Tools\\\"dict\".exe"));
        QCOMPARE(ZpxProcs->ReadSetting("Offset", 0), -3);
    }

    void aBatchWritesItsValuesTogetherAndKeepsOtherKeysApart()
    {
        {
            const SettingsBatch batch;
            ZpxProcs->WriteSetting("CurrentPuzzle", QString("/p/walden.zpx"));
            ZpxProcs->WriteSetting("HistoryPuzzle1", QString("/p/walden.zpx /s"));
            const SettingsBatch inner;
            QCOMPARE(ZpxProcs->ReadSetting("CurrentPuzzle", ""), QString("/p/walden.zpx"));
            SettingsKey = ToolsSettingsKey;
            ZpxProcs->WriteSetting("DictPath", QString("/usr/bin/dict"));
            QVERIFY(fileContent(storeFile("Tools")).contains("\"DictPath\"=\"/usr/bin/dict\"\n"));
            SettingsKey = MainSettingsKey;
            QVERIFY(!QFileInfo::exists(storeFile("Zephyrtrace5")));
        }
        const QByteArray content = fileContent(storeFile("Zephyrtrace5"));
        QVERIFY(content.contains("\"CurrentPuzzle\"=\"/p/walden.zpx\"\n"));
        QVERIFY(content.contains("\"HistoryPuzzle1\"=\"/p/walden.zpx /s\"\n"));
        QVERIFY(!content.contains("DictPath"));
        ZpxProcs->WriteSetting("FontSize", 9);
        QCOMPARE(ZpxProcs->ReadSetting("FontSize", 11), 9);
    }

    void aValueOfAnotherTypeIsAnError()
    {
        ZpxProcs->WriteSetting("FontSize", "11");
        ZpxProcs->WriteSetting("FontName", 5);
        QCOMPARE(settingsErrorText([] { ZpxProcs->ReadSetting("FontSize", 11); }),
                 QString("Invalid data type for 'FontSize'"));
        QCOMPARE(settingsErrorText([] { ZpxProcs->ReadSetting("FontSize", false); }),
                 QString("Invalid data type for 'FontSize'"));
        QCOMPARE(settingsErrorText([] { ZpxProcs->ReadSetting("FontName", "Arial"); }),
                 QString("Invalid data type for 'FontName'"));
    }

    void anyNonZeroBooleanIsTrueAndIsWrittenBackAsOne()
    {
        putFile(storeFile("Zephyrtrace5"), "\"PrintMSS\"=dword:00000005\n");
        const bool value = ZpxProcs->ReadSetting("PrintMSS", false);
        QCOMPARE(value, true);
        ZpxProcs->WriteSetting("PrintMSS", value);
        QVERIFY(fileContent(storeFile("Zephyrtrace5")).contains("\"PrintMSS\"=dword:00000001\n"));
        QCOMPARE(ZpxProcs->ReadSetting("PrintMSS", 0), 1);
    }

    void damagedLinesAreSkipped()
    {
        putFile(storeFile("Zephyrtrace5"),
                "garbage\n\"FontSize\"=dword:zz\n\"FontName\"=\"Verdana\"\r\n\"Open=\"x\n\xff\xfe\n");
        QCOMPARE(ZpxProcs->ReadSetting("FontName", "Arial"), QString("Verdana"));
        QCOMPARE(ZpxProcs->ReadSetting("FontSize", 11), 11);
        ZpxProcs->WriteSetting("FontSize", 12);
        QCOMPARE(ZpxProcs->ReadSetting("FontSize", 11), 12);
        QCOMPARE(ZpxProcs->ReadSetting("FontName", "Arial"), QString("Verdana"));
    }

    void anUnwritableStoreLosesWritesSilently()
    {
        // A file where the key's folder should be: the store cannot be opened.
        putFile(configFolder() + "/Marlowick32", "not a folder");
        ZpxProcs->WriteSetting("FontSize", 12);
        QCOMPARE(ZpxProcs->ReadSetting("FontSize", 11), 11);
    }

    void boundsAreStoredAsACommaList()
    {
        ZpxProcs->WriteBounds("ScreenBoundsMain", 2, 2, 256, 120);
        QCOMPARE(ZpxProcs->ReadSetting("ScreenBoundsMain", ""), QString("2,2,256,120"));
        QCOMPARE(readScreenBounds("ScreenBoundsMain"), std::optional(ScreenBounds{2, 2, 256, 120}));

        ZpxProcs->WriteSetting("ScreenBoundsGrid", "2,2,x,120");
        QCOMPARE(settingsErrorText([] { readScreenBounds("ScreenBoundsGrid"); }),
                 QString("'x' is not a valid integer value"));
    }

    void theToolsKeyIsAnotherStore()
    {
        ZpxProcs->WriteSetting("BankFontSize", 9);
        SettingsKey = ToolsSettingsKey;
        QCOMPARE(ZpxProcs->ReadSetting("BankFontSize", 11), 11);
        ZpxProcs->WriteSetting("BankDataFile", "/clues/bank.dbf");
        QCOMPARE(ZpxProcs->ReadSetting("BankDataFile", ""), QString("/clues/bank.dbf"));
        QVERIFY(fileContent(storeFile("Tools")).contains("\"BankDataFile\"=\"/clues/bank.dbf\""));

        SettingsKey = MainSettingsKey;
        QCOMPARE(ZpxProcs->ReadSetting("BankDataFile", "none"), QString("none"));
        QCOMPARE(ZpxProcs->ReadSetting("BankFontSize", 11), 9);
    }

    void colorsAndFontsFromSettings()
    {
        QCOMPARE(readColorSetting("FilledSqColor", "clBlack"), QColor(0, 0, 0));
        ZpxProcs->WriteSetting("BlankSqColor", "clSkyBlue");
        QCOMPARE(readColorSetting("BlankSqColor", "clWhite"), QColor(0xA6, 0xCA, 0xF0));
        ZpxProcs->WriteSetting("BlankSqColor", "$00123456");
        QCOMPARE(readColorSetting("BlankSqColor", "clWhite"), QColor(0x56, 0x34, 0x12));
        ZpxProcs->WriteSetting("BlankSqColor", "clNoSuchColour");
        QCOMPARE(readColorSetting("BlankSqColor", "clWhite"), QColor(255, 255, 255));

        const QFont plain = fontFromSettings("", "Arial", 11);
        QCOMPARE(plain.family(), QString("Arial"));
        QCOMPARE(plain.pointSize(), 11);
        QVERIFY(!plain.bold() && !plain.italic() && !plain.underline() && !plain.strikeOut());

        ZpxProcs->WriteSetting("SolveFontName", "Courier New");
        ZpxProcs->WriteSetting("SolveFontSize", 14);
        ZpxProcs->WriteSetting("SolveFontStyle", 1 | 4);
        ZpxProcs->WriteSetting("SolveFontColor", "clNavy");
        const QFont solve = fontFromSettings("Solve", "Times New Roman", 11);
        QCOMPARE(solve.family(), QString("Courier New"));
        QCOMPARE(solve.pointSize(), 14);
        QVERIFY(solve.bold() && !solve.italic() && solve.underline() && !solve.strikeOut());
        QCOMPARE(fontColorFromSettings("Solve"), QColor(0, 0, 0x80));
        QCOMPARE(fontColorFromSettings("Defs"), QColor(0, 0, 0));
    }
};

QTEST_MAIN(SettingsStoreUnitTest)
#include "SettingsStoreUnitTest.moc"
