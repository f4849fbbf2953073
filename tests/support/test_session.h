// A Session wired to recording dialogs, an in-memory settings store and a
// recording shell, started and holding a new, empty document. A test sets
// up the session's state through doc(), res() and model(), which bypass the
// change notification; what it then exercises notifies as the program does.
#pragma once

#include "session/new_document.h"
#include "session/session.h"
#include "support/recording_dialogs.h"
#include "support/recording_shell.h"

namespace slv::test {

struct TestSession {
    RecordingDialogs dialogs;
    MemorySettingsStore settings;
    RecordingShell shell;
    Session session{dialogs, settings, shell};

    TestSession()
    {
        StartSession(session, '.');
        NewDocument(session);
        shell.calls.clear();
    }

    Document& doc() { return session.edit({}).doc; }
    QuantResults& res() { return session.edit({}).res; }
    ModelState& model() { return session.edit({}).model; }
    void setProgramFolder(std::filesystem::path folder)
    {
        Environment environment = session.environment();
        environment.programFolder = std::move(folder);
        session.setEnvironment(std::move(environment));
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> all;
        for (const MessageRequest& m : dialogs.messages)
            all.push_back(m.text);
        return all;
    }
};

/// Counts what the session told its views.
class RecordingObserver final : public SessionObserver {
public:
    explicit RecordingObserver(Session& session) : m_subscription(session.subscribe(*this)) {}
    void sessionChanged(ChangeSet changes) override { notices.push_back(changes); }

    std::vector<ChangeSet> notices;

private:
    Session::Subscription m_subscription;
};

}  // namespace slv::test
