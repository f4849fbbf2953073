// A UserDialogs double for tests: records every request and answers from a
// script (first queued answer first), or with the default button when the
// script is empty.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_dialogs.h"

namespace slv::test {

class RecordingDialogs final : public UserDialogs {
public:
    DialogAnswer message(const MessageRequest& request) override
    {
        messages.push_back(request);
        if (!answers.empty()) {
            const DialogAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        const auto offered = answersOf(request.buttons);
        const auto index = static_cast<std::size_t>(request.defaultButton);
        return index < offered.size() ? offered[index] : offered.front();
    }
    std::optional<std::string> inputBox(const InputRequest& request) override
    {
        inputs.push_back(request);
        if (inputAnswers.empty())
            return std::nullopt;
        auto a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
    std::optional<int> chooseLine(const LineChoiceRequest& request) override
    {
        choices.push_back(request);
        if (choiceAnswers.empty())
            return std::nullopt;
        auto a = choiceAnswers.front();
        choiceAnswers.pop_front();
        return a;
    }
    void beep() override { ++beeps; }

    std::vector<MessageRequest> messages;
    std::vector<InputRequest> inputs;
    std::vector<LineChoiceRequest> choices;
    std::deque<DialogAnswer> answers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<int>> choiceAnswers;
    int beeps = 0;
};

}  // namespace slv::test
