#pragma once
// A grid picture as a placeable Windows metafile (.WMF), the vector picture
// word processors and page layout programs import. One logical unit is one
// screen pixel at 96 units to the inch.
//
// The file, all numbers little-endian, sizes counted in 16-bit words:
//
//   OFFSET  SIZE  FIELD
//        0     4  placeable key 0x9AC6CDD7
//        4     2  metafile handle, 0 on disk
//        6     8  bounding box: left, top, right, bottom (units)
//       14     2  units per inch (96)
//       16     4  reserved, 0
//       20     2  checksum: XOR of the ten words before it
//       22    18  metafile header: type 1, header size 9, version 0x0300,
//                 file size (words, from offset 22), object count,
//                 largest record (words), 0
//       40     …  records: size (words, 4 bytes), function (2), parameters;
//                 the last is the end record (size 3, function 0)

#include "output/GridPicture.h"

#include <string>

namespace zpx {

// The file's bytes. `description` names the picture (the export's file name)
// in a comment record beside "Zephyrtrace4", the program that made it.
std::string writeWmf(const GridPicture& picture, const std::string& description);

}  // namespace zpx
