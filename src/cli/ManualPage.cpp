#include "cli/ManualPage.h"

#include <string>
#include <string_view>

namespace zpx::cli {

namespace {

// Text made safe for a roff text line: backslashes and hyphens escaped, and
// a leading dot or quote kept from being read as a request.
std::string roffText(std::string_view text)
{
    std::string result;
    if (text.starts_with('.') || text.starts_with('\''))
        result = "\\&";
    for (const char c : text) {
        if (c == '\\')
            result += "\\e";
        else if (c == '-')
            result += "\\-";
        else
            result += c;
    }
    return result;
}

}  // namespace

void writeManualPage(std::ostream& out, std::span<const Command* const> commands)
{
    out << ".TH ZPXTOOL 1 \"\" \"Zephyrtrace\" \"User Commands\"\n"
           ".SH NAME\n"
           "zpxtool \\- make and inspect Zephyrtrace puzzle files without a display\n"
           ".SH SYNOPSIS\n"
           ".B zpxtool\n"
           ".I COMMAND\n"
           ".RI [ ARGUMENTS ]\n"
           ".br\n"
           ".B zpxtool \\-\\-help\n"
           ".br\n"
           ".B zpxtool\n"
           ".I COMMAND\n"
           ".B \\-\\-help\n"
           ".SH DESCRIPTION\n"
           ".B zpxtool\n"
           "is the command\\-line companion of the Zephyrtrace acrostic puzzle program.\n"
           "It makes and inspects puzzle files (.zpx) with the same checks, messages and\n"
           "computations as the program's windows.\n"
           ".B zpxtool \\-\\-help\n"
           "lists the commands below;\n"
           ".B zpxtool \\-\\-manual\n"
           "writes this page.\n"
           ".SH COMMANDS\n";
    for (const Command* command : commands)
        out << ".TP\n\\fB" << roffText(command->synopsis) << "\\fR\n" << roffText(command->summary) << '\n';
    out << ".SH \"EXIT STATUS\"\n"
           ".TP\n.B 0\nsuccess\n"
           ".TP\n.B 1\nthe input or a file was refused; the reason is on standard error,\n"
           "in the program's own words\n"
           ".TP\n.B 2\na wrong command line\n";
}

}  // namespace zpx::cli
