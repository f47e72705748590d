#pragma once
// Runs zpxtool as a user would, from the tests of its commands: in a
// temporary folder of each test's own, output and errors captured.

#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace zpx::test {

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;

    std::vector<std::string> lines() const
    {
        std::vector<std::string> result;
        std::istringstream text(out);
        for (std::string line; std::getline(text, line);)
            result.push_back(line);
        return result;
    }
};

class ZpxtoolFixture : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("zpxtool-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                                 "-" + std::to_string(::getpid()));

    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static std::string quoted(const std::string& arg)
    {
        std::string text = "'";
        for (char c : arg)
            text += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return text + "'";
    }

    // The arguments as they stand in a shell command line, quoting their own.
    ToolRun runLine(const std::string& commandLine) { return shell(quoted(ZPXTOOL_PATH) + " " + commandLine); }

    // Any command line, run by the shell, its output and errors captured.
    ToolRun shell(const std::string& commandLine)
    {
        const std::string command = commandLine + " >" + quoted(path("out.txt")) + " 2>" + quoted(path("err.txt"));
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readText(path("out.txt")), readText(path("err.txt"))};
    }

    ToolRun run(const std::vector<std::string>& args)
    {
        std::string commandLine;
        for (const std::string& arg : args)
            commandLine += (commandLine.empty() ? "" : " ") + quoted(arg);
        return runLine(commandLine);
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    std::string file(const std::string& name, const std::string& content)
    {
        std::ofstream(path(name), std::ios::binary) << content;
        return path(name);
    }

    // Saves `record` in the test's folder and returns its path, quoted for a command line.
    std::string save(const TPuzzleRecord& record, const std::string& name = "p.zpx")
    {
        savePuzzleFile(path(name), record);
        return quoted(path(name));
    }

    // What poppler reads from a PDF the tool wrote: its text in reading
    // layout, and its page count and size ("595 x 842").
    std::string pdfText(const std::string& pdf) { return shell("pdftotext -layout " + quoted(pdf) + " -").out; }
    std::string pdfInfo(const std::string& pdf) { return shell("pdfinfo " + quoted(pdf)).out; }

    static std::string readText(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

}  // namespace zpx::test
