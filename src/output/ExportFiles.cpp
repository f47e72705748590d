#include "output/ExportFiles.h"

#include "core/Cp1252.h"
#include "core/PuzzleFile.h"
#include "output/ClueText.h"
#include "output/EpsWriter.h"
#include "output/ExportNames.h"
#include "output/GridPicture.h"
#include "output/IpuzWriter.h"
#include "output/JpzWriter.h"
#include "output/SvgWriter.h"
#include "output/WebPage.h"
#include "output/WmfWriter.h"

namespace zpx {

namespace {

constexpr const char* TextExtension = ".TXT";
constexpr const char* EpsExtension = ".EPS";
constexpr const char* WmfExtension = ".WMF";
constexpr const char* SvgExtension = ".svg";
constexpr const char* RtfExtension = ".RTF";
constexpr const char* IpuzExtension = ".ipuz";
constexpr const char* JpzExtension = ".jpz";
constexpr const char* WebPageExtension = ".html";

// The puzzle picture at `first`, the answer picture at `second`.
template <typename Write>
WrittenFiles writePicturePair(const std::string& first, const std::string& second, Write write)
{
    saveFileAtomically(first, write(first, PictureKind::PuzzleGrid));
    saveFileAtomically(second, write(second, PictureKind::AnswerGrid));
    return {first, second};
}

WrittenFiles writeFile(const std::string& file, const std::string& bytes)
{
    saveFileAtomically(file, bytes);
    return {file};
}

}  // namespace

WrittenFiles writeClueTextFile(const TPuzzleRecord& record, const std::string& name)
{
    return writeFile(withExtension(name, TextExtension), clueListText(record));
}

WrittenFiles exportEpsFiles(const TPuzzleRecord& record, const std::string& name, const std::string& date)
{
    // Both files carry the chosen name as their title.
    const std::string title = utf8ToCp1252(fileNamePart(name));
    return writePicturePair(withExtension(name, EpsExtension), answerPictureName(name, EpsExtension),
                            [&](const std::string&, PictureKind kind) {
                                return WriteEps(record,
                                                kind == PictureKind::PuzzleGrid ? EpsKind::PuzzleGrid
                                                                                : EpsKind::AnswerGrid,
                                                title, date);
                            });
}

WrittenFiles exportMetafileFiles(const TPuzzleRecord& record, const std::string& name)
{
    return writePicturePair(withExtension(name, WmfExtension), answerPictureName(name, WmfExtension),
                            [&](const std::string& file, PictureKind kind) {
                                return writeWmf(DrawGridMetafile(record, kind), utf8ToCp1252(fileNamePart(file)));
                            });
}

WrittenFiles exportSvgFiles(const TPuzzleRecord& record, const std::string& name)
{
    return writePicturePair(withExtension(name, SvgExtension), answerPictureName(name, SvgExtension),
                            [&](const std::string& file, PictureKind kind) {
                                return writeSvg(DrawGridMetafile(record, kind, LabelPlace::Apart), fileNamePart(file));
                            });
}

WrittenFiles exportRtfFile(const TPuzzleRecord& record, const std::string& name, const AuthorAddress& address)
{
    return writeFile(withExtension(name, RtfExtension), ExportRtf(record, utf8ToCp1252(exportTitle(name)), address));
}

WrittenFiles exportIpuzFile(const TPuzzleRecord& record, const std::string& name, const std::string& title)
{
    return writeFile(withExtension(name, IpuzExtension), writeIpuz(record, title));
}

WrittenFiles exportJpzFile(const TPuzzleRecord& record, const std::string& name, const std::string& title)
{
    return writeFile(withExtension(name, JpzExtension), writeJpz(record, title));
}

WrittenFiles exportWebPage(const TPuzzleRecord& record, const std::string& name, const std::string& title)
{
    return writeFile(withExtension(name, WebPageExtension), writeWebPage(record, title));
}

WrittenFiles exportCommandFiles(ExportCommand command, const std::string& name)
{
    switch (command) {
    case ExportCommand::Metafile:
        return {withExtension(name, TextExtension), withExtension(name, WmfExtension), answerPictureName(name, WmfExtension)};
    case ExportCommand::Eps:
        return {withExtension(name, TextExtension), withExtension(name, EpsExtension), answerPictureName(name, EpsExtension)};
    case ExportCommand::Svg:
        return {withExtension(name, SvgExtension), answerPictureName(name, SvgExtension)};
    case ExportCommand::Rtf:
        return {withExtension(name, RtfExtension)};
    case ExportCommand::Ipuz:
        return {withExtension(name, IpuzExtension)};
    case ExportCommand::Jpz:
        return {withExtension(name, JpzExtension)};
    case ExportCommand::WebPage:
        return {withExtension(name, WebPageExtension)};
    }
    return {};
}

}  // namespace zpx
