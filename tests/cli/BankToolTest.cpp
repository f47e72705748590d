#include "support/ZpxtoolFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using BankTool = zpx::test::ZpxtoolFixture;
using zpx::test::ToolRun;

}  // namespace

TEST_F(BankTool, CreateAddLookUpAndImport)
{
    const std::string bank = path("BANK");
    EXPECT_EQ(run({"bank", "create", bank}).exitCode, 0);
    EXPECT_TRUE(fs::exists(path("BANK.DBF")) && fs::exists(path("BANK.NDX")));
    const ToolRun again = run({"bank", "create", bank});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, "Error # 5 (File access denied)\r\n" + path("BANK.DBF") + " already exists [Create]\n");

    EXPECT_EQ(run({"bank", "add", bank, "océan", "Mer à boire"}).exitCode, 0);
    EXPECT_EQ(run({"bank", "lookup", bank, "OCÉAN"}).out, "Mer à boire\n");
    const ToolRun missing = run({"bank", "lookup", bank, "lake"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "No Definitions!\n");

    EXPECT_EQ(run({"bank", "import", bank, file("in.tsv", "lake\tStill water\r\nsea\tSalt water\nlake\tPond\n\n")})
                  .exitCode,
              0);
    EXPECT_EQ(run({"bank", "lookup", bank, "--batch", file("words.txt", "sea\nriver\nlake\n")}).out,
              "SEA\tSalt water\nLAKE\tStill water\nLAKE\tPond\n");
    EXPECT_EQ(run({"bank", "import", bank, file("bad.tsv", "sea\tok\nno tab here\n")}).err,
              path("bad.tsv") + ", line 2: no tab between the word and its definition\n");
    EXPECT_EQ(run({"bank", "check", bank}).out, "ok: 3 records, 3 words\n");
    EXPECT_EQ(run({"bank", "frobnicate", bank}).exitCode, 2);
    EXPECT_EQ(run({"bank", "add", bank, "sea"}).exitCode, 2);
    // Other dBASE programs on Linux often write the names in lower case.
    fs::rename(path("BANK.DBF"), path("words.dbf"));
    fs::rename(path("BANK.NDX"), path("words.ndx"));
    EXPECT_EQ(run({"bank", "lookup", path("words"), "sea"}).out, "Salt water\n");

    const ToolRun notBank = run({"bank", "lookup", file("x.txt", "hello, this is not a table at all......"), "SEA"});
    EXPECT_EQ(notBank.exitCode, 1);
    EXPECT_EQ(notBank.err, "Error # 210 (Not a dBASE data file)\r\n" + path("x.txt") +
                               " is not a dBASE database.(Invalid version byte)+ [USE/OpenDBF]\n");
}

TEST_F(BankTool, ABankWrittenByAnotherProgramIsIndexedAndStaysReadable)
{
    // Python's dbf module writes a dBASE III table of the bank's layout.
    const ToolRun made = shell(
        "/usr/bin/python3 -c " +
        quoted("import sys, dbf\n"
               "t = dbf.Table(sys.argv[1], 'ENTRY C(40); MORE L; ' + '; '.join('D%d C(80)' % i for i in range(1, 11)),"
               " dbf_type='db3')\n"
               "t.open(dbf.READ_WRITE)\n"
               "for w in ['ZEBRA', 'APPLE', 'MANGO']: t.append((w, False, 'a ' + w.lower()))\n"
               "t.close()\n") +
        " " + quoted(path("FRUIT.DBF")));
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const std::string bank = path("FRUIT");
    EXPECT_EQ(run({"bank", "lookup", bank, "APPLE"}).err,
              "Error # 2 (File not found)\r\nAttempt to open " + path("FRUIT.NDX") + " [SetIndexTo(...,1)]\n");
    ASSERT_EQ(run({"bank", "index", bank}).exitCode, 0);
    EXPECT_EQ(run({"bank", "lookup", bank, "mango"}).out, "a mango\n");
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(run({"bank", "add", bank, "apple", "fruit " + std::to_string(i)}).exitCode, 0);
    EXPECT_EQ(run({"bank", "add", bank, "kiwi", "green"}).exitCode, 0);
    EXPECT_EQ(run({"bank", "lookup", bank, "apple"}).lines().size(), 12u);
    EXPECT_EQ(run({"bank", "check", bank}).out, "ok: 5 records, 4 words\n");

    const ToolRun read = shell("/usr/bin/python3 -c " +
                               quoted("import sys, dbf\n"
                                      "t = dbf.Table(sys.argv[1]); t.open()\n"
                                      "for r in t: print(r[0].strip(), r[1], r[11].strip())\n") +
                               " " + quoted(path("FRUIT.DBF")));
    EXPECT_EQ(read.out, "ZEBRA False \nAPPLE True fruit 9\nMANGO False \nAPPLE& False \nKIWI False \n");
    EXPECT_EQ(shell("dbview -b -t " + quoted(path("FRUIT.DBF"))).lines().size(), 5u);

    // A damaged index is built again from the data file.
    file("FRUIT.NDX", std::string(700, '\x7f'));
    EXPECT_EQ(run({"bank", "check", bank}).exitCode, 1);
    ASSERT_EQ(run({"bank", "index", bank}).exitCode, 0);
    EXPECT_EQ(run({"bank", "check", bank}).out, "ok: 5 records, 4 words\n");
}
