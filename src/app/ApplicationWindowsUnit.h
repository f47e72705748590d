#pragma once
// The program's windows and data modules come into being here.

namespace zpx {

// Creates each window and data module once, in the program's fixed order;
// the main window comes first and so is the main form.
void createApplicationWindows();

}  // namespace zpx
