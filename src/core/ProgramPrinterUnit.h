#pragma once
// The printer the program prints on: the system's default printer as
// Printer Setup leaves it, made at its first use (the printing libraries
// take a while to load).

class QPrinter;

namespace zpx {

QPrinter* ProgramPrinter();

// Whether the system has a printer at all; without one, print jobs become PDF files.
bool systemHasPrinter();

}  // namespace zpx
