#pragma once
// The export commands' files, as the program and zpxtool write them: each
// takes the name the user chose (UTF-8) and returns the files it wrote, in
// order. Every file is written whole or not at all; a failure raises
// zpx::FileError and leaves the files written before it.

#include "core/PuzzleRecord.h"
#include "output/RtfManuscript.h"

#include <string>
#include <vector>

namespace zpx {

using WrittenFiles = std::vector<std::string>;

// NAME.TXT: the clue list.
WrittenFiles writeClueTextFile(const TPuzzleRecord& record, const std::string& name);

// NAME.EPS and NAME-A.EPS: the puzzle and answer grids; `date` for their creation line.
WrittenFiles exportEpsFiles(const TPuzzleRecord& record, const std::string& name, const std::string& date);

// NAME.WMF and NAME-A.WMF.
WrittenFiles exportMetafileFiles(const TPuzzleRecord& record, const std::string& name);

// NAME.svg and NAME-A.svg.
WrittenFiles exportSvgFiles(const TPuzzleRecord& record, const std::string& name);

// NAME.RTF: the manuscript.
WrittenFiles exportRtfFile(const TPuzzleRecord& record, const std::string& name, const AuthorAddress& address);

// For solvers: NAME.ipuz, NAME.jpz and NAME.html. `title` (UTF-8) names the
// puzzle in them, as the print dialog does: the puzzle file's name without
// its folder and extension.
WrittenFiles exportIpuzFile(const TPuzzleRecord& record, const std::string& name, const std::string& title);
WrittenFiles exportJpzFile(const TPuzzleRecord& record, const std::string& name, const std::string& title);
WrittenFiles exportWebPage(const TPuzzleRecord& record, const std::string& name, const std::string& title);

// The export commands of the Special menu: EPS and metafile write the clue
// list beside their pictures.
enum class ExportCommand { Metafile, Eps, Svg, Rtf, Ipuz, Jpz, WebPage };

// Every file the command writes for the chosen name, so the user can be
// asked about those that exist already.
WrittenFiles exportCommandFiles(ExportCommand command, const std::string& name);

}  // namespace zpx
