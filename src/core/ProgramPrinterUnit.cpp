#include "core/ProgramPrinterUnit.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace zpx {

QPrinter* ProgramPrinter()
{
    // Never deleted: its print engine must not be torn down after the application.
    static QPrinter* const printer = new QPrinter(QPrinter::HighResolution);
    return printer;
}

bool systemHasPrinter()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

}  // namespace zpx
