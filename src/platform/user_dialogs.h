// The modal conversations the core holds with the analyst: a message box that
// returns the button pressed, a one-line input box, the information beep and a
// choice from a list of lines. The Qt front end shows real dialogs, the command
// line answers by a stated policy, and tests record every request.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace slv {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

enum class DialogAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct MessageRequest {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 0;  // 0-based position of the default among the buttons
    std::string title;      // empty: the program's caption
};

struct InputRequest {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

struct LineChoiceRequest {
    std::string prompt;
    std::vector<std::string> lines;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    /// Shows a modal message and returns the button the analyst pressed.
    virtual DialogAnswer message(const MessageRequest& request) = 0;

    /// Asks for one line of text; nullopt when the analyst cancelled.
    virtual std::optional<std::string> inputBox(const InputRequest& request) = 0;

    /// Lets the analyst pick one of several lines; returns its 0-based index,
    /// nullopt when the choice was cancelled.
    virtual std::optional<int> chooseLine(const LineChoiceRequest& request) = 0;

    /// The information sound.
    virtual void beep() = 0;

    /// Shorthand for a message with the given icon and buttons.
    DialogAnswer show(std::string text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok,
                      int defaultButton = 0)
    {
        return message({std::move(text), icon, buttons, defaultButton, {}});
    }
};

/// The answers a message box offers, in the order its buttons stand.
std::vector<DialogAnswer> answersOf(MessageButtons buttons);

}  // namespace slv
