#include "pellinova/Texts.h"

#include "pellinova/TextNumbers.h"

namespace pellinova {

namespace {
using core::Txt;
constexpr core::TextNumber kTable[] = {
    {Txt::ProgramTitle, TXT_PROGRAM_TITLE},
    {Txt::ActOpenRead, TXT_ACT_OPEN_READ},
    {Txt::ActTestEof, TXT_ACT_TEST_EOF},
    {Txt::ActRead, TXT_ACT_READ},
    {Txt::ActWrite, TXT_ACT_WRITE},
    {Txt::ActOpenWrite, TXT_ACT_OPEN_WRITE},
    {Txt::ActClose, TXT_ACT_CLOSE},
    {Txt::RetryQuestion, TXT_RETRY_QUESTION},
};
}  // namespace

std::span<const core::TextNumber> TextTable() { return kTable; }

}  // namespace pellinova
