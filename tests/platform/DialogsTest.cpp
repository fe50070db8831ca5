#include "Dialogs.h"

#include <gtest/gtest.h>

TEST(ScriptedDialogs, RecordsMessagesAndAnswersFromTheScript)
{
    ScriptedDialogs d;
    setDialogs(&d);
    d.queueAnswer(Answer::No);
    d.queueInput(QStringLiteral("12"));

    dialogs().message(QStringLiteral("hello"), QStringLiteral("T"), MessageIcon::Exclamation);
    EXPECT_EQ(dialogs().ask(QStringLiteral("sure?"), QString(), MessageButtons::YesNo), Answer::No);
    EXPECT_EQ(dialogs().ask(QStringLiteral("again?"), QString(), MessageButtons::YesNo), Answer::Yes);
    EXPECT_EQ(dialogs().input(QStringLiteral("n"), QString(), QStringLiteral("60")), QStringLiteral("12"));
    EXPECT_EQ(dialogs().input(QStringLiteral("n"), QString(), QStringLiteral("60")), QStringLiteral("60"));
    dialogs().beep();

    EXPECT_EQ(d.messages(), QStringList{QStringLiteral("hello")});
    EXPECT_EQ(d.entries().size(), 6);
    EXPECT_EQ(d.entries().front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(d.beeps(), 1);
    setDialogs(nullptr);
}
