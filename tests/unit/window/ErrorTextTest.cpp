#include "win32/ErrorText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct PeriodCase {
    const char* Name;
    std::string Message;
    std::string Shown;
};

// A period is appended when the message's last byte, unsigned, lies above '.' (0x2E).
const PeriodCase PeriodCases[] = {
    {"Period", "Soubor nenalezen.", "Soubor nenalezen."},
    {"Exclamation", "Pozor!", "Pozor!"},
    {"Question", "Tisknout?", "Tisknout?."},
    {"Colon", "Chyba:", "Chyba:."},
    {"Letter", "Tiskárna není připravena", "Tiskárna není připravena."},
    {"Digit", "Code: 5", "Code: 5."},
    {"ClosingParenthesis", "Chyba (tisk)", "Chyba (tisk)"},
    {"Comma", "a,", "a,"},
    {"Hyphen", "a-", "a-"},
    {"QuotationMark", "Soubor \"a\"", "Soubor \"a\""},
    {"Space", "Chyba ", "Chyba "},
    {"LineBreak", "Chyba\r\n", "Chyba\r\n"},
    // 'ů' is C5 AF in UTF-8: the last byte lies above 0x2E, as the letter's would in one byte.
    {"NonAsciiLetter", "Chyba termočlánků", "Chyba termočlánků."},
    {"Empty", "", ""},
};

void PrintTo(const PeriodCase& periodCase, std::ostream* out) {
    *out << periodCase.Name;
}

class PeriodRule : public testing::TestWithParam<PeriodCase> {};

TEST_P(PeriodRule, AppendsAPeriodOnlyAfterACharacterAboveThePeriod) {
    EXPECT_EQ(win32::ErrorBoxText(GetParam().Message), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(ErrorBoxText, PeriodRule, testing::ValuesIn(PeriodCases),
                         [](const testing::TestParamInfo<PeriodCase>& info) { return info.param.Name; });

} // namespace
