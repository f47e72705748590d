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
    return writeFile(withExtension(name, ".TXT"), clueListText(record));
}

WrittenFiles exportEpsFiles(const TPuzzleRecord& record, const std::string& name, const std::string& date)
{
    // Both files carry the chosen name as their title.
    const std::string title = utf8ToCp1252(fileNamePart(name));
    return writePicturePair(withExtension(name, ".EPS"), answerPictureName(name, ".EPS"),
                            [&](const std::string&, PictureKind kind) {
                                return WriteEps(record,
                                                kind == PictureKind::PuzzleGrid ? EpsKind::PuzzleGrid
                                                                                : EpsKind::AnswerGrid,
                                                title, date);
                            });
}

WrittenFiles exportMetafileFiles(const TPuzzleRecord& record, const std::string& name)
{
    return writePicturePair(withExtension(name, ".WMF"), answerPictureName(name, ".WMF"),
                            [&](const std::string& file, PictureKind kind) {
                                return writeWmf(DrawGridMetafile(record, kind), utf8ToCp1252(fileNamePart(file)));
                            });
}

WrittenFiles exportSvgFiles(const TPuzzleRecord& record, const std::string& name)
{
    return writePicturePair(withExtension(name, ".svg"), answerPictureName(name, ".svg"),
                            [&](const std::string& file, PictureKind kind) {
                                return writeSvg(DrawGridMetafile(record, kind), fileNamePart(file));
                            });
}

WrittenFiles exportRtfFile(const TPuzzleRecord& record, const std::string& name, const AuthorAddress& address)
{
    return writeFile(withExtension(name, ".RTF"), ExportRtf(record, utf8ToCp1252(exportTitle(name)), address));
}

WrittenFiles exportIpuzFile(const TPuzzleRecord& record, const std::string& name, const std::string& title)
{
    return writeFile(withExtension(name, ".ipuz"), writeIpuz(record, title));
}

WrittenFiles exportJpzFile(const TPuzzleRecord& record, const std::string& name, const std::string& title)
{
    return writeFile(withExtension(name, ".jpz"), writeJpz(record, title));
}

WrittenFiles exportWebPage(const TPuzzleRecord& record, const std::string& name, const std::string& title)
{
    return writeFile(withExtension(name, ".html"), writeWebPage(record, title));
}

}  // namespace zpx
