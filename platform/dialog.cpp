#include "platform/dialog.h"

#include <array>
#include <cctype>
#include <iostream>

#include <unistd.h>

#include "platform/text.h"

namespace qm7::platform {

namespace {

constexpr std::array kAllButtons{mbYes,    mbNo,  mbOK,      mbCancel,   mbAbort, mbRetry,
                                 mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp,  mbClose};

struct TButtonWords {
    const char* label; // as shown, lower case
    const char* key;   // the short answer
};

TButtonWords WordsOf(TMsgDlgBtn button) {
    switch (button) {
    case mbYes:
        return {"yes", "y"};
    case mbNo:
        return {"no", "n"};
    case mbOK:
        return {"ok", "o"};
    case mbCancel:
        return {"cancel", "c"};
    case mbAbort:
        return {"abort", "a"};
    case mbRetry:
        return {"retry", "r"};
    case mbIgnore:
        return {"ignore", "i"};
    case mbAll:
        return {"all", "l"};
    case mbNoToAll:
        return {"no to all", "na"};
    case mbYesToAll:
        return {"yes to all", "ya"};
    case mbHelp:
        return {"help", "h"};
    case mbClose:
        return {"close", "x"};
    }
    return {"", ""};
}

const char* KindName(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirmation";
    case mtCustom:
        return "";
    }
    return "";
}

// Lower case, spaces dropped: "Yes To All" and "yestoall" both read yestoall.
std::string Squeezed(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\r')
            out += char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The text with every kind of line break as LF.
std::string ConsoleText(std::u16string_view text) {
    std::string out = Utf16ToUtf8(text);
    std::string result;
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\r') {
            result += '\n';
            if (i + 1 < out.size() && out[i + 1] == '\n')
                ++i;
        } else {
            result += out[i];
        }
    }
    return result;
}

TDialogService*& CurrentSlot() {
    static TDialogService* current = nullptr;
    return current;
}

TDialogService& ConsoleService() {
    static TConsoleDialogService console;
    return console;
}

} // namespace

TModalResult ModalResultOf(TMsgDlgBtn button) {
    switch (button) {
    case mbYes:
        return mrYes;
    case mbNo:
        return mrNo;
    case mbOK:
        return mrOk;
    case mbCancel:
        return mrCancel;
    case mbAbort:
        return mrAbort;
    case mbRetry:
        return mrRetry;
    case mbIgnore:
        return mrIgnore;
    case mbAll:
        return mrAll;
    case mbNoToAll:
        return mrNoToAll;
    case mbYesToAll:
        return mrYesToAll;
    case mbHelp:
        return mrHelp;
    case mbClose:
        return mrClose;
    }
    return mrNone;
}

std::optional<TMsgDlgBtn> FallbackButton(const TDialogRequest& request) {
    const TMsgDlgButtons& buttons = request.Buttons;
    if (request.DefaultButton && buttons.Contains(*request.DefaultButton))
        return request.DefaultButton;
    for (TMsgDlgBtn preferred : {mbOK, mbYes})
        if (buttons.Contains(preferred))
            return preferred;
    for (TMsgDlgBtn b : kAllButtons)
        if (buttons.Contains(b) && b != mbHelp)
            return b;
    if (buttons.Contains(mbHelp))
        return mbHelp;
    return std::nullopt;
}

TDialogAnswer UnattendedAnswer(const TDialogRequest& request) {
    const std::optional<TMsgDlgBtn> button = FallbackButton(request);
    return TDialogAnswer{button ? ModalResultOf(*button) : mrCancel};
}

// ---------------------------------------------------------------- current service

TDialogService::~TDialogService() = default;

TDialogService& CurrentDialogService() {
    TDialogService* current = CurrentSlot();
    return current != nullptr ? *current : ConsoleService();
}

TDialogService* SetDialogService(TDialogService* service) {
    TDialogService* previous = CurrentSlot();
    CurrentSlot() = service;
    return previous;
}

TDialogAnswer ShowDialog(const TDialogRequest& request) {
    return CurrentDialogService().Show(request);
}

TModalResult MessageDlg(std::u16string text, TMsgDlgType type, TMsgDlgButtons buttons,
                        int32_t help_context, std::optional<TMsgDlgBtn> default_button) {
    TDialogRequest request;
    request.Text = std::move(text);
    request.Type = type;
    request.Buttons = buttons;
    request.HelpContext = help_context;
    request.DefaultButton = default_button;
    return ShowDialog(request).Result;
}

// ---------------------------------------------------------------- scripted

TDialogAnswer TScriptedDialogService::Show(const TDialogRequest& request) {
    requests_.push_back(request);
    if (!answers_.empty()) {
        TDialogAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return default_answer_ ? *default_answer_ : UnattendedAnswer(request);
}

void TScriptedDialogService::Reset() {
    requests_.clear();
    answers_.clear();
    default_answer_.reset();
}

// ---------------------------------------------------------------- console

TConsoleDialogService::TConsoleDialogService()
    : TConsoleDialogService(std::cin, std::cerr, ::isatty(STDIN_FILENO) == 1) {}

TConsoleDialogService::TConsoleDialogService(std::istream& in, std::ostream& out, bool interactive)
    : in_(&in), out_(&out), interactive_(interactive) {}

TDialogAnswer TConsoleDialogService::Show(const TDialogRequest& request) {
    std::ostream& out = *out_;
    const std::string heading =
        request.Caption.empty() ? KindName(request.Type) : ConsoleText(request.Caption);
    if (!heading.empty())
        out << heading << ": ";
    out << ConsoleText(request.Text) << '\n';

    std::vector<TMsgDlgBtn> choices;
    for (TMsgDlgBtn b : kAllButtons)
        if (request.Buttons.Contains(b) && b != mbHelp)
            choices.push_back(b);
    const std::optional<TMsgDlgBtn> fallback = FallbackButton(request);
    if (!interactive_ || choices.size() < 2) {
        out.flush();
        return UnattendedAnswer(request);
    }

    std::string prompt;
    for (TMsgDlgBtn b : choices) {
        const TButtonWords words = WordsOf(b);
        prompt += prompt.empty() ? "" : " / ";
        prompt += std::string(words.label) + " [" + words.key + "]";
    }
    if (fallback)
        prompt += std::string(" (default: ") + WordsOf(*fallback).label + ")";
    prompt += "? ";

    std::string line;
    for (;;) {
        out << prompt << std::flush;
        if (!std::getline(*in_, line))
            return UnattendedAnswer(request);
        const std::string answer = Squeezed(line);
        if (answer.empty() && fallback)
            return TDialogAnswer{ModalResultOf(*fallback)};
        for (TMsgDlgBtn b : choices) {
            const TButtonWords words = WordsOf(b);
            if (answer == words.key || answer == Squeezed(words.label))
                return TDialogAnswer{ModalResultOf(b)};
        }
        out << "please answer one of the choices\n";
    }
}

} // namespace qm7::platform
