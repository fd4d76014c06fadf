#include "platform/dialog.h"

#include <sstream>

#include <gtest/gtest.h>

namespace qm7::platform {
namespace {

TDialogRequest Question(TMsgDlgButtons buttons, std::optional<TMsgDlgBtn> default_button) {
    TDialogRequest request;
    request.Text = u"Overwrite list.txt?";
    request.Caption = u"saving";
    request.Type = mtConfirmation;
    request.Buttons = buttons;
    request.DefaultButton = default_button;
    return request;
}

TEST(Dialog, UnattendedAnswerTakesTheDefaultElseOkElseYesElseTheFirstButton) {
    struct Case {
        TMsgDlgButtons buttons;
        std::optional<TMsgDlgBtn> default_button;
        TModalResult expected;
    };
    const Case cases[] = {
        {{mbYes, mbNo, mbCancel}, mbNo, mrNo},
        {{mbOK, mbCancel}, mbCancel, mrCancel},
        {{mbOK, mbCancel}, std::nullopt, mrOk},
        {{mbOK, mbCancel}, mbYes, mrOk}, // a default that is not offered is ignored
        {{mbYes, mbNo, mbHelp}, std::nullopt, mrYes},
        {{mbHelp, mbCancel, mbYesToAll}, std::nullopt, mrCancel},
        {{}, std::nullopt, mrCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.buttons.ToBits());
        EXPECT_EQ(UnattendedAnswer(Question(c.buttons, c.default_button)).Result, c.expected);
    }
}

TEST(Dialog, ScriptedServiceRecordsRequestsAndAnswersFromItsQueue) {
    TScriptedDialogService script;
    script.Enqueue(mrNo);
    script.Enqueue(TDialogAnswer{mrCancel, true, false});
    {
        TDialogServiceScope scope(script);
        EXPECT_EQ(&CurrentDialogService(), &script);
        EXPECT_EQ(MessageDlg(u"Save?", mtConfirmation, {mbYes, mbNo}, 1410, mbYes), mrNo);
        const TDialogAnswer timed_out = ShowDialog(Question({mbYes, mbNo}, mbYes));
        EXPECT_EQ(timed_out.Result, mrCancel);
        EXPECT_TRUE(timed_out.TimedOut);
        EXPECT_EQ(ShowDialog(Question({mbYes, mbNo}, mbNo)).Result, mrNo) << "queue empty";
        script.SetDefaultAnswer(TDialogAnswer{mrYesToAll});
        EXPECT_EQ(ShowDialog(Question({mbYes, mbNo}, mbNo)).Result, mrYesToAll);
    }
    EXPECT_NE(&CurrentDialogService(), &script) << "the scope put the previous service back";

    ASSERT_EQ(script.Requests().size(), 4u);
    const TDialogRequest& first = script.Requests()[0];
    EXPECT_EQ(first.Text, u"Save?");
    EXPECT_EQ(first.Type, mtConfirmation);
    EXPECT_EQ(first.Buttons, (TMsgDlgButtons{mbYes, mbNo}));
    EXPECT_EQ(first.HelpContext, 1410);
    EXPECT_EQ(first.DefaultButton, mbYes);
    EXPECT_EQ(script.Pending(), 0u);
}

TEST(Dialog, ConsoleServiceShowsTheTextAndAsksWhenInteractive) {
    struct Case {
        std::string input;
        bool interactive;
        TModalResult expected;
    };
    const Case cases[] = {
        {"", false, mrYes},               // not interactive: the default button
        {"ya\n", true, mrYesToAll},       // short answer
        {"No To All\n", true, mrNoToAll}, // the label, any case
        {"maybe\nn\n", true, mrNo},       // asks again after a wrong answer
        {"\n", true, mrYes},              // empty line: the default
        {"", true, mrYes},                // end of input: the unattended answer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::istringstream in(c.input);
        std::ostringstream out;
        TConsoleDialogService console(in, out, c.interactive);
        TDialogRequest request =
            Question({mbYes, mbNo, mbCancel, mbNoToAll, mbYesToAll, mbHelp}, mbYes);
        request.Text = u"list.txt\rhas holes";
        EXPECT_EQ(console.Show(request).Result, c.expected);
        EXPECT_TRUE(out.str().starts_with("saving: list.txt\nhas holes\n")) << out.str();
        if (c.interactive) {
            EXPECT_NE(out.str().find("yes to all [ya]"), std::string::npos) << out.str();
        }
        EXPECT_EQ(out.str().find("help"), std::string::npos) << "no help on a console";
    }

    std::istringstream in;
    std::ostringstream out;
    TConsoleDialogService console(in, out, true);
    TDialogRequest notice;
    notice.Text = u"3 files saved";
    EXPECT_EQ(console.Show(notice).Result, mrOk) << "a single button needs no question";
    EXPECT_EQ(out.str(), "Information: 3 files saved\n");
}

} // namespace
} // namespace qm7::platform
