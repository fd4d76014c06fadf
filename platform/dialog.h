// The dialog service: every message box and question of the libraries goes
// through the process-wide current TDialogService, which shows a request and
// returns the answer. The default service talks on the console; tests put a
// TScriptedDialogService in its place.
#pragma once

#include <cstdint>
#include <deque>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/enumset.h"
#include "platform/export.h"

namespace qm7::platform {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// The buttons, in the order in which a dialog shows them.
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose,
};
using TMsgDlgButtons = TEnumSet<TMsgDlgBtn>;

// The answer: the button pressed, or mrNone / mrCancel for a dialog closed
// without one.
enum TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrClose = 8,
    mrHelp = 9,
    mrAll = 12,
    mrNoToAll = 13,
    mrYesToAll = 14,
};

struct TDialogRequest {
    std::u16string Text; // line breaks may be CR, LF or CR LF
    std::u16string Caption;
    TMsgDlgType Type = mtInformation;
    TMsgDlgButtons Buttons{mbOK};
    std::optional<TMsgDlgBtn> DefaultButton;
    int32_t HelpContext = 0;
    // Close by itself after this many seconds (0: never); answers Cancel.
    int32_t TimeoutSeconds = 0;
    // Offer a "Never show this again" box.
    bool WithDontShow = false;
};

struct TDialogAnswer {
    TModalResult Result = mrNone;
    bool TimedOut = false;
    bool DontShowAgain = false; // the box was offered and ticked
};

// The result a button gives.
QM7_EXPORT TModalResult ModalResultOf(TMsgDlgBtn button);
// The button a request falls back on when nobody answers: its default button
// when it is among the buttons, else OK, else Yes, else the first button.
// With no buttons at all there is none.
QM7_EXPORT std::optional<TMsgDlgBtn> FallbackButton(const TDialogRequest& request);
// The answer to a request that nobody answers: the fallback button's
// result, or mrCancel (a dialog closed without a button).
QM7_EXPORT TDialogAnswer UnattendedAnswer(const TDialogRequest& request);

class QM7_EXPORT TDialogService {
public:
    virtual ~TDialogService();
    virtual TDialogAnswer Show(const TDialogRequest& request) = 0;
};

// The current service; never null (the console service unless another one
// was set). Shared by every library of the process.
QM7_EXPORT TDialogService& CurrentDialogService();
// Makes the service current (nullptr: the console service again) and returns
// the one it replaces. The caller keeps ownership and keeps it alive while it
// is current.
QM7_EXPORT TDialogService* SetDialogService(TDialogService* service);

// Makes a service current for its own lifetime, then puts the previous back.
class QM7_EXPORT TDialogServiceScope {
public:
    explicit TDialogServiceScope(TDialogService& service) : previous_(SetDialogService(&service)) {}
    ~TDialogServiceScope() { SetDialogService(previous_); }
    TDialogServiceScope(const TDialogServiceScope&) = delete;
    TDialogServiceScope& operator=(const TDialogServiceScope&) = delete;

private:
    TDialogService* previous_;
};

// Shows a request through the current service.
QM7_EXPORT TDialogAnswer ShowDialog(const TDialogRequest& request);
// A message box without a caption; the result alone.
QM7_EXPORT TModalResult MessageDlg(std::u16string text, TMsgDlgType type, TMsgDlgButtons buttons,
                                   int32_t help_context = 0,
                                   std::optional<TMsgDlgBtn> default_button = std::nullopt);

// For tests: records every request and answers from a queue, then with the
// default answer (UnattendedAnswer of the request unless one was set).
class QM7_EXPORT TScriptedDialogService : public TDialogService {
public:
    TDialogAnswer Show(const TDialogRequest& request) override;

    void Enqueue(TModalResult result) { answers_.push_back(TDialogAnswer{result}); }
    void Enqueue(const TDialogAnswer& answer) { answers_.push_back(answer); }
    void SetDefaultAnswer(const TDialogAnswer& answer) { default_answer_ = answer; }
    const std::vector<TDialogRequest>& Requests() const { return requests_; }
    size_t Pending() const { return answers_.size(); }
    void Reset();

private:
    std::vector<TDialogRequest> requests_;
    std::deque<TDialogAnswer> answers_;
    std::optional<TDialogAnswer> default_answer_;
};

// For the command-line tool: writes the caption (or the kind of message) and
// the text to the output. When interactive it asks which button, e.g.
// "[y]es/[n]o/[c]ancel (default yes): ", reading a line from the input; an
// empty line takes the fallback button, the end of the input the unattended
// answer. Not interactive, it gives the unattended answer without reading.
// Help is never offered as an answer (there is no help on a console), and a
// timeout or "Never show this again" box does not apply.
class QM7_EXPORT TConsoleDialogService : public TDialogService {
public:
    // Standard input and standard error; interactive when standard input is
    // a terminal.
    TConsoleDialogService();
    TConsoleDialogService(std::istream& in, std::ostream& out, bool interactive);

    TDialogAnswer Show(const TDialogRequest& request) override;

private:
    std::istream* in_;
    std::ostream* out_;
    bool interactive_;
};

} // namespace qm7::platform
