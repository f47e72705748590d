#include "output/ExportUnit.h"

#include "core/Cp1252.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"
#include "output/ClueText.h"
#include "output/ExportFiles.h"
#include "output/ExportNames.h"
#include "output/GridPicture.h"
#include "output/SvgWriter.h"
#include "output/WmfWriter.h"

#include <QBuffer>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMimeData>
#include <QPainter>

namespace zpx {

TExportForm* ExportForm = nullptr;

namespace {

QImage paintPicture(const GridPicture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    for (const PictureItem& item : picture.items) {
        if (const auto* box = std::get_if<PictureBox>(&item)) {
            painter.setBrush(box->filled ? Qt::black : Qt::white);
            painter.drawRect(box->left, box->top, box->right - box->left - 1, box->bottom - box->top - 1);
            continue;
        }
        const auto& text = std::get<PictureText>(item);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(static_cast<int>(std::lround(text.font.emSize())));
        font.setBold(text.font.bold);
        painter.setFont(font);
        painter.drawText(QPointF(text.x, text.y + text.font.ascent()), QString::fromStdString(cp1252ToUtf8(text.text)));
    }
    return image;
}

void putOnClipboard(QMimeData* data)
{
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace

QMimeData* pictureMimeData(const TPuzzleRecord& record, PictureKind kind, const std::string& description)
{
    const GridPicture apart = DrawGridMetafile(record, kind, LabelPlace::Apart);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(writeSvg(apart, description)));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    paintPicture(apart).save(&buffer, "PNG");
    data->setData(QStringLiteral("image/png"), png);
    data->setData(QStringLiteral("image/x-wmf"),
                  QByteArray::fromStdString(writeWmf(DrawGridMetafile(record, kind), utf8ToCp1252(description))));
    return data;
}

TExportForm::TExportForm(QObject* parent) : QObject(parent) {}

void TExportForm::WriteClueText(const QString& name)
{
    ExportFileName = writeClueTextFile(PuzzleRecord, name.toStdString()).back();
}

void TExportForm::ExportEps(const QString& name)
{
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    ExportFileName = exportEpsFiles(PuzzleRecord, name.toStdString(), utf8ToCp1252(date.toStdString())).back();
}

void TExportForm::ExportMetafile(const QString& name, int mode)
{
    if (mode == 0) {
        ExportFileName = exportMetafileFiles(PuzzleRecord, name.toStdString()).back();
        return;
    }
    putOnClipboard(pictureMimeData(PuzzleRecord, static_cast<PictureKind>(mode), fileNamePart(ExportFileName)));
}

void TExportForm::ExportSvg(const QString& name)
{
    ExportFileName = exportSvgFiles(PuzzleRecord, name.toStdString()).back();
}

void TExportForm::ExportRtf(const QString& name)
{
    auto setting = [](const char* key, const char* defaultValue) {
        return utf8ToCp1252(ZpxProcs->ReadSetting(QString::fromLatin1(key), defaultValue).toStdString());
    };
    const AuthorAddress address{setting("Name", "Your Name"), setting("Add1", "Address 1"),
                                setting("Add2", "Address 2"), setting("Add3", "Address 3"), setting("Add4", "")};
    ExportFileName = exportRtfFile(PuzzleRecord, name.toStdString(), address).back();
    ExportMetafile(QString::fromStdString(ExportFileName), 3);
}

void TExportForm::CluesToClipboard()
{
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(cp1252ToUtf8(clueListText(PuzzleRecord))));
    putOnClipboard(data);
}

void TExportForm::ExportIpuz(const QString& name)
{
    ExportFileName = exportIpuzFile(PuzzleRecord, name.toStdString(), exportTitle(PuzzleFileName)).back();
}

void TExportForm::ExportJpz(const QString& name)
{
    ExportFileName = exportJpzFile(PuzzleRecord, name.toStdString(), exportTitle(PuzzleFileName)).back();
}

void TExportForm::ExportWebPage(const QString& name)
{
    ExportFileName = exportWebPage(PuzzleRecord, name.toStdString(), exportTitle(PuzzleFileName)).back();
}

}  // namespace zpx
