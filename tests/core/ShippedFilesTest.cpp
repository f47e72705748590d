#include "core/ShippedFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace zpx;

// The help book as an installation and as a build folder lay it out, and
// the places a program in each would open.
TEST(ShippedFiles, FoundInstalledElseBesideTheProgram)
{
    const fs::path root = fs::temp_directory_path() / ("shipped-" + std::to_string(::getpid()));
    const struct {
        const char* layout;
        std::vector<const char*> files;  // under root
        const char* program;             // the program's folder, under root
        const char* found;               // where index.html is looked for, under root
    } cases[] = {
        {"installed", {"usr/share/zephyrtrace/help/index.html"}, "usr/bin", "usr/share/zephyrtrace/help/index.html"},
        {"build folder", {"build/src/help/index.html"}, "build/src", "build/src/help/index.html"},
        {"both: the installed one wins",
         {"opt/share/zephyrtrace/help/index.html", "opt/bin/help/index.html"},
         "opt/bin",
         "opt/share/zephyrtrace/help/index.html"},
        {"a folder of the name is no file", {"x/bin/help/index.html/page.html"}, "x/bin", "x/share/zephyrtrace/help/index.html"},
        {"missing: reported where it belongs", {}, "y/bin", "y/share/zephyrtrace/help/index.html"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        fs::remove_all(root);
        for (const char* file : c.files) {
            fs::create_directories((root / file).parent_path());
            std::ofstream(root / file) << "<html></html>";
        }
        EXPECT_EQ(shippedFile(root / c.program, "help/index.html"), root / c.found);
    }
    fs::remove_all(root);
}
