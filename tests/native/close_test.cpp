// tests/native/close_test.cpp — the close prompt's question and decisions
#include "files/close_decision.h"

#include <gtest/gtest.h>

using namespace files;

TEST(ClosePrompt, Question) {
    EXPECT_EQ(closeQuestion("Uložit změny v ", "dopis.rtf"), "Uložit změny v dopis.rtf?");
    EXPECT_EQ(closeQuestion("", "dopis.rtf"), "dopis.rtf?");
    EXPECT_EQ(closeQuestion("Uložit ", ""), "Uložit ?");
}

TEST(ClosePrompt, Decisions) {
    const struct { bool modified; Answer a; bool named; Step step; } rows[] = {
        {false, Answer::NotAsked, false, Step::Close},   {false, Answer::NotAsked, true, Step::Close},
        {true, Answer::Yes, true, Step::WriteKnownFile}, {true, Answer::Yes, false, Step::RunSaveDialog},
        {true, Answer::No, true, Step::Close},           {true, Answer::No, false, Step::Close},
        {true, Answer::Cancel, true, Step::StayOpen},    {true, Answer::Failed, true, Step::LeaveUntouched},
    };
    for (const auto& r : rows)
        EXPECT_EQ(decideClose(r.modified, r.a, r.named), r.step) << r.modified << int(r.a) << r.named;
}
