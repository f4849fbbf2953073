// The core's conversations with the analyst as Qt dialogs: message boxes
// with the program's caption, the input box, the information sound and the
// line list of the library lookup.
#pragma once

#include <QWidget>

#include "platform/user_dialogs.h"

namespace slv {

inline constexpr const char* kProgramCaption = "XPS Selvaro";

class QtDialogs final : public UserDialogs {
public:
    /// parent: the window the dialogs are modal to (may change later).
    void setParent(QWidget* parent) { m_parent = parent; }
    /// Without a person to answer (a picture taken by --grab): messages go to
    /// the error stream and take their default button, questions are cancelled.
    void setUnattended(bool unattended) { m_unattended = unattended; }

    DialogAnswer message(const MessageRequest& request) override;
    std::optional<std::string> inputBox(const InputRequest& request) override;
    std::optional<int> chooseLine(const LineChoiceRequest& request) override;
    void beep() override;

private:
    QWidget* m_parent = nullptr;
    bool m_unattended = false;
};

}  // namespace slv
