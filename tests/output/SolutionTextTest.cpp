#include "output/SolutionText.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

TEST(SolutionText, QuotationRunsAcrossRowsAndTheAuthorLineLeavesMissingFirstLettersBlank)
{
    TPuzzleRecord record = gridRecord({"##TO#B", "E##OR#", "NOT###"});
    placeWord(record, 1, {{3, 1}});
    placeWord(record, 3, {{1, 2}, {4, 1}});
    placeWord(record, 4, {{4, 2}});
    record.answer(5, 2) = 0;  // cleared in grid editing
    const SolutionTexts texts = prepareSolutionTexts(record);
    EXPECT_EQ(texts.quotation, "TO BE  O_ NOT");
    EXPECT_EQ(texts.authorTitle, "T EO");  // word 2 has no first letter placed
    EXPECT_EQ(prepareSolutionTexts(gridRecord({"AB"})).authorTitle, "");
}

TEST(SolutionText, CaseGoesToSentenceCaseAndBackKeepingPunctuation)
{
    const std::string typed = "TO BE, OR NOT \xC3\x89TRE!";
    const std::string mixed = toggledCase(typed, false, QuotationLastLowered);
    EXPECT_EQ(mixed, "To be, or not \xC3\x89tre!");
    EXPECT_EQ(toggledCase(mixed, true, QuotationLastLowered), typed);
    EXPECT_EQ(toggledCase("ABCDEF", false, 3), "AbcDEF");  // only characters 2 to 3
}
