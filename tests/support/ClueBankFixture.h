#pragma once
// A clue bank of each test's own, in the temporary folder of a zpxtool test,
// with the outside dBASE readers at hand.

#include "dbf/ClueBank.h"
#include "support/ZpxtoolFixture.h"

#include <string>

namespace zpx::test {

class ClueBankFixture : public ZpxtoolFixture {
protected:
    dbf::BankFiles bank;
    dbf::TTzDbf table;

    void SetUp() override
    {
        ZpxtoolFixture::SetUp();
        bank = dbf::bankFiles(path("BANK"));
        dbf::createClueBank(bank);
        dbf::openClueBank(table, bank);
    }

    void add(const std::string& word, int count, const std::string& stem = "def ")
    {
        for (int i = 1; i <= count; ++i)
            dbf::addDefinition(table, word, stem + std::to_string(i));
    }

    // Every ENTRY and record number in index order, as Perl's XBase::Index reads the index.
    ToolRun perlIndex()
    {
        return shell("perl " + quoted(file("index.pl", PerlIndexScript)) + " " + quoted(bank.index + ".NDX"));
    }

    // "ENTRY|MORE|first definition" of every record, as Python's dbf module reads the table.
    ToolRun pythonRecords() { return shell("/usr/bin/python3 -c " + quoted(PythonRecordsScript) + " " + quoted(bank.data)); }

private:
    static constexpr const char* PythonRecordsScript =
        "import sys, dbf\n"
        "t = dbf.Table(sys.argv[1]); t.open()\n"
        "for r in t: print('%s|%s|%s' % (r[0].strip(), r[1], r[2].strip()))\n";
    static constexpr const char* PerlIndexScript =
        "use XBase::Index;\n"
        "my $i = XBase::Index->new($ARGV[0]) or die XBase::Index->errstr;\n"
        "$i->prepare_select;\n"
        "while (my ($k, $v) = $i->fetch) { $k =~ s/ +$//; print \"$k|$v\\n\"; }\n";
};

}  // namespace zpx::test
