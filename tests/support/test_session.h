// A Session wired to recording dialogs, an in-memory settings store and a
// recording shell, ready for a test to fill.
#pragma once

#include "core/session.h"
#include "document/new_document.h"
#include "support/recording_dialogs.h"
#include "support/recording_shell.h"

namespace slv::test {

struct TestSession {
    RecordingDialogs dialogs;
    MemorySettingsStore settings;
    RecordingShell shell;
    Session session{dialogs, settings, shell};

    /// A started session holding a new, empty document.
    TestSession()
    {
        StartSession(session, '.');
        NewDocument(session);
        shell.calls.clear();
    }

    Document& doc() { return session.doc; }
};

}  // namespace slv::test
