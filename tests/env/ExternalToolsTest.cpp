#include "env/ExternalTools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace zpx;

TEST(ExternalTools, EachCaptionNamesItsPathSettingAndItsMessage)
{
    for (const ExternalTool& tool : ExternalTools)
        EXPECT_EQ(toolPathSetting(tool.caption), tool.pathSetting) << tool.caption;
    EXPECT_EQ(toolNotConfiguredMessage("&Dictionary..."), "Dictionary has not been properly configured.");
    EXPECT_EQ(toolNotConfiguredMessage("&Thesaurus..."), "Thesaurus has not been properly configured.");
}

TEST(ExternalTools, OnlyTheMakersProgramsAreRecognisedAndOnlyByTheirExactFileName)
{
    EXPECT_EQ(ToolCaption("/opt/Marlowick/ClueVault.exe"), "Marlowick ClueVault");
    EXPECT_EQ(ToolCaption("Jotter.exe"), "Marlowick Scratchpad");
    EXPECT_EQ(ToolCaption("/home/me/my tools/ZpxPostbot.exe"), "Zephyrtrace Postbot");
    EXPECT_EQ(ToolCaption("/opt/Marlowick/cluevault.exe"), "") << "letter case differs";
    EXPECT_EQ(ToolCaption("/opt/ClueVault.exe/dict"), "") << "the folder's name does not count";
    EXPECT_EQ(ToolCaption("/usr/bin/dict"), "");
    EXPECT_EQ(ToolCaption(""), "");
}

TEST(ExternalTools, AProgramThatCannotStartIsExplainedByItsPath)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "zpx external tools test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path text = folder / "notes.txt";
    std::ofstream(text) << "not a program\n";
    const fs::path program = folder / "dict";
    std::ofstream(program) << "#!/bin/sh\n";
    fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);

    EXPECT_EQ(whyNotAProgram(program.string()), std::nullopt);
    EXPECT_EQ(whyNotAProgram((folder / "missing").string()), "there is no such file");
    EXPECT_EQ(whyNotAProgram(""), "there is no such file");
    EXPECT_EQ(whyNotAProgram(folder.string()), "it is a folder, not a program");
    EXPECT_EQ(whyNotAProgram(text.string()), "the file is not marked as a program that may be run");
    EXPECT_EQ(toolStartFailure("&Thesaurus...", (folder / "missing").string()),
              "The Thesaurus program \"" + (folder / "missing").string() + "\" cannot be started: there is no such file.");
    EXPECT_EQ(toolStartFailure("&Dictionary...", program.string()),
              "The Dictionary program \"" + program.string() + "\" cannot be started: the system could not run it.");
    fs::remove_all(folder);
}
