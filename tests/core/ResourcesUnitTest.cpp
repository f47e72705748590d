// The built-in sounds, pictures and cursors, and the help book beside the program.

#include "core/ResourcesUnit.h"
#include "core/ZpxHelpUnit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <QtTest>

using namespace zpx;

namespace {

struct WaveFormat {
    quint16 format = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint32 byteRate = 0;
    quint16 blockAlign = 0;
    quint16 bits = 0;
    qint64 dataBytes = -1;
};

// Walks the RIFF chunks of a WAVE file; an empty optional for anything that
// is not RIFF/WAVE or whose chunks run past the end.
std::optional<WaveFormat> readWave(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    WaveFormat wave;
    bool haveFormat = false;
    qint64 at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = qFromLittleEndian<quint32>(data + at + 4);
        const qint64 body = at + 8;
        if (body + size > bytes.size())
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16)
                return std::nullopt;
            wave.format = qFromLittleEndian<quint16>(data + body);
            wave.channels = qFromLittleEndian<quint16>(data + body + 2);
            wave.rate = qFromLittleEndian<quint32>(data + body + 4);
            wave.byteRate = qFromLittleEndian<quint32>(data + body + 8);
            wave.blockAlign = qFromLittleEndian<quint16>(data + body + 12);
            wave.bits = qFromLittleEndian<quint16>(data + body + 14);
            haveFormat = true;
        } else if (id == "data") {
            wave.dataBytes = size;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || wave.dataBytes < 0)
        return std::nullopt;
    return wave;
}

// The book where the program finds it: here the build's copy beside the test
// program, whatever folder the test runs in.
QString helpFolder()
{
    return QFileInfo(helpBookPage(QStringLiteral("index.html"))).path();
}

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QSet<QString> anchorsOf(const QString& html)
{
    QSet<QString> anchors;
    static const QRegularExpression named(QStringLiteral(R"re((?:name|id)\s*=\s*"([^"]+)")re"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (const auto& match : named.globalMatch(html))
        anchors.insert(match.captured(1));
    return anchors;
}

// Targets of links and pictures alike.
QStringList linksOf(const QString& html)
{
    QStringList links;
    static const QRegularExpression target(QStringLiteral(R"re((?:href|src)\s*=\s*"([^"]*)")re"),
                                           QRegularExpression::CaseInsensitiveOption);
    for (const auto& match : target.globalMatch(html))
        links.append(match.captured(1));
    return links;
}

}  // namespace

class ResourcesUnitTest : public QObject {
    Q_OBJECT

private slots:
    // Nothing here asks for the resources to be registered: a program gets
    // them by linking the program's library alone.
    void sounds_data();
    void sounds();
    void pictures_data();
    void pictures();
    void cursorsPointWhereTheyDraw();
    void programIconHasEveryWindowSize();
    void helpBookLinksResolve();
};

void ResourcesUnitTest::sounds_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<quint32>("rate");
    QTest::addColumn<double>("seconds");
    QTest::newRow("WAVE_1 question") << 1 << 11025u << 0.71;
    QTest::newRow("WAVE_2 fanfare") << 2 << 22050u << 8.09;
    QTest::newRow("WAVE_3 incorrect") << 3 << 11025u << 1.09;
    QTest::newRow("WAVE_4 no more clues") << 4 << 22050u << 0.52;
    QTest::newRow("WAVE_5 no more clues, spoken") << 5 << 11025u << 1.10;
    QTest::newRow("WAVE_6 question, spoken") << 6 << 11025u << 1.74;
    QTest::newRow("WAVE_7 error") << 7 << 11025u << 0.17;
}

void ResourcesUnitTest::sounds()
{
    QFETCH(int, number);
    QFETCH(quint32, rate);
    QFETCH(double, seconds);

    QFile file(QStringLiteral(":/sounds/WAVE_%1.wav").arg(number));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    const auto wave = readWave(bytes);
    QVERIFY2(wave.has_value(), "not a RIFF/WAVE file with fmt and data chunks");
    QCOMPARE(wave->format, quint16(1));
    QCOMPARE(wave->channels, quint16(1));
    QCOMPARE(wave->bits, quint16(8));
    QCOMPARE(wave->rate, rate);
    QCOMPARE(wave->byteRate, rate);
    QCOMPARE(wave->blockAlign, quint16(1));
    const double length = double(wave->dataBytes) / rate;
    QVERIFY2(qAbs(length - seconds) <= 0.01, qPrintable(QStringLiteral("%1 s").arg(length)));

    // A recording of silence would pass every check above.
    const QByteArray samples = bytes.right(wave->dataBytes);
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end(), [](char a, char b) {
        return uchar(a) < uchar(b);
    });
    QVERIFY(uchar(*high) - uchar(*low) > 64);
}

void ResourcesUnitTest::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");
    for (const char* glyph : {"cheat", "squares", "letters", "spill", "distr", "dict", "autoclue"})
        QTest::newRow(glyph) << QString::fromLatin1(glyph) << QSize(20, 20) << true;
    QTest::newRow("logo") << QStringLiteral("logo") << QSize(419, 277) << false;
}

void ResourcesUnitTest::pictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);

    const QImage image(QStringLiteral(":/images/%1.png").arg(name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
    // Buttons draw their disabled look from the alpha channel, so glyphs must
    // leave their background clear; the logo covers its whole rectangle.
    QCOMPARE(image.hasAlphaChannel(), transparent);
    if (transparent)
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

void ResourcesUnitTest::cursorsPointWhereTheyDraw()
{
    const struct {
        QString path;
        QCursor cursor;
        QPoint hotSpot;
    } cursors[] = {
        {QStringLiteral(":/cursors/pencil.png"), pencilCursor(), PencilHotSpot},
        {QStringLiteral(":/cursors/handpnt.png"), handPointCursor(), HandPointHotSpot},
    };
    for (const auto& entry : cursors) {
        const QImage image(entry.path);
        QVERIFY2(!image.isNull(), qPrintable(entry.path));
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(entry.cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(entry.cursor.pixmap().size(), QSize(32, 32));
        QCOMPARE(entry.cursor.hotSpot(), entry.hotSpot);
        // The hot spot sits on the drawn point, not in the clear around it.
        QVERIFY2(qAlpha(image.pixel(entry.hotSpot)) > 64, qPrintable(entry.path));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
}

void ResourcesUnitTest::programIconHasEveryWindowSize()
{
    const QIcon icon = programIcon();
    QList<QSize> sizes;
    for (const int size : WindowIconSizes) {
        sizes.append(QSize(size, size));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // A rounded tile on transparency: clear corners, a drawn middle.
        QVERIFY(qAlpha(image.pixel(0, 0)) < 16);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
    QCOMPARE(icon.availableSizes(), sizes);
}

void ResourcesUnitTest::helpBookLinksResolve()
{
    const QDir folder(helpFolder());
    QVERIFY2(folder.exists(QStringLiteral("index.html")), qPrintable(folder.path()));
    QVERIFY(folder.exists(QStringLiteral("keywords.html")));

    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.size() > 2);
    QSet<QString> reached{QStringLiteral("index.html")};
    for (const QString& page : pages) {
        const QString html = readText(folder.filePath(page));
        QVERIFY2(!html.isEmpty(), qPrintable(page));
        for (const QString& link : linksOf(html)) {
            if (link.contains(QLatin1Char(':')))
                continue;  // outside the book (mailto:, http:)
            const qsizetype hash = link.indexOf(QLatin1Char('#'));
            const QString target = hash < 0 ? link : link.left(hash);
            const QString anchor = hash < 0 ? QString() : link.mid(hash + 1);
            const QString targetPage = target.isEmpty() ? page : target;
            const QString where = page + QStringLiteral(" -> ") + link;
            QVERIFY2(folder.exists(targetPage), qPrintable(where));
            if (!anchor.isEmpty())
                QVERIFY2(anchorsOf(readText(folder.filePath(targetPage))).contains(anchor), qPrintable(where));
            if (page == QStringLiteral("index.html") || page == QStringLiteral("keywords.html"))
                reached.insert(targetPage);
        }
    }
    // Every page can be found from the contents or the keyword index.
    for (const QString& page : pages)
        QVERIFY2(reached.contains(page), qPrintable(page));
}

QTEST_MAIN(ResourcesUnitTest)
#include "ResourcesUnitTest.moc"
