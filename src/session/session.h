// One running evaluation, the aggregate a front end holds: the document, the
// working tables derived from it, the print options, where the program runs,
// and the platform services the core calls out to. Every window and every
// command of a front end works on the same Session.
//
// Everybody may read the session. It is changed through an Edit, which names
// what it changes; when the outermost Edit ends, the subscribed views are
// told once what changed (an Edit also notices by itself when the dirty
// flag, the title or the file name changed). Views subscribe with an
// observer and stay subscribed while they hold the Subscription.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "document/document.h"
#include "document/environment.h"
#include "document/print_options.h"
#include "model/model_state.h"
#include "platform/findings.h"
#include "platform/settings_store.h"
#include "platform/user_dialogs.h"
#include "quant/quant_state.h"
#include "session/document_shell.h"

namespace slv {

/// What a view may have to show anew.
enum class Change : std::uint32_t {
    Elements = 1u << 0,              // the element table
    Intensities = 1u << 1,           // measured intensities and experiments
    Labels = 1u << 2,                // label names, selections, texts and units
    ImfpAndContamination = 1u << 3,  // the IMFP and contamination table
    Parameters = 1u << 4,            // the correction-parameter record
    Model = 1u << 5,                 // the structure model, its thicknesses and fit results
    Results = 1u << 6,               // the composition and its result type
    Title = 1u << 7,                 // the data set's title
    DirtyFlag = 1u << 8,             // unsaved changes appeared or were saved
    FileName = 1u << 9,              // the file the document belongs to
};

class ChangeSet {
public:
    constexpr ChangeSet() = default;
    constexpr ChangeSet(Change change) : m_bits(static_cast<std::uint32_t>(change)) {}  // NOLINT: one change is a set
    constexpr ChangeSet(std::initializer_list<Change> changes)
    {
        for (Change change : changes)
            m_bits |= static_cast<std::uint32_t>(change);
    }
    /// Every kind of change: a new or opened document.
    static constexpr ChangeSet everything() { return ChangeSet(kAllBits); }

    constexpr bool has(Change change) const { return (m_bits & static_cast<std::uint32_t>(change)) != 0; }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr ChangeSet& operator|=(ChangeSet other)
    {
        m_bits |= other.m_bits;
        return *this;
    }
    friend constexpr ChangeSet operator|(ChangeSet a, ChangeSet b) { return a |= b; }
    friend constexpr bool operator==(ChangeSet, ChangeSet) = default;
    /// The single changes of the set, in the order of Change.
    std::vector<Change> changes() const;

private:
    static constexpr std::uint32_t kAllBits = (1u << 10) - 1;
    explicit constexpr ChangeSet(std::uint32_t bits) : m_bits(bits) {}
    std::uint32_t m_bits = 0;
};

class SessionObserver {
public:
    virtual ~SessionObserver() = default;
    virtual void sessionChanged(ChangeSet changes) = 0;
};

class Session {
public:
    Session(UserDialogs& dialogs, SettingsStore& settings, DocumentShell& shell);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    UserDialogs& dialogs() const { return m_dialogs; }
    SettingsStore& settings() const { return m_settings; }
    DocumentShell& shell() const { return m_shell; }

    const Environment& environment() const { return m_environment; }
    void setEnvironment(Environment environment) { m_environment = std::move(environment); }

    const Document& doc() const { return m_doc; }
    const CorrectionTables& corrections() const { return m_corr; }
    const QuantResults& results() const { return m_res; }
    const ModelState& model() const { return m_model; }
    const PrintOptions& print() const { return m_print; }

    /// Set after a report was shown (or while the main window closes) so
    /// that the next identical report is not shown twice; the next report
    /// only clears it.
    bool closing() const { return m_closing; }
    void setClosing(bool closing) { m_closing = closing; }

    /// Shows, through the session's dialogs, the findings not yet shown.
    std::optional<DialogAnswer> present(Findings& findings) const { return findings.presentTo(m_dialogs); }

    /// A change of the session in progress: read and write access to the
    /// document and the working tables. Views are told when the outermost
    /// Edit ends.
    class Edit {
    public:
        ~Edit();
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;

        Document& doc;
        CorrectionTables& corr;
        QuantResults& res;
        ModelState& model;
        PrintOptions& print;

        /// Adds changes found out on the way.
        void also(ChangeSet changes) { m_session.m_pending |= changes; }
        /// The context of quantification work on this session, reporting into findings.
        QuantContext quant(Findings& findings) const;

    private:
        friend class Session;
        explicit Edit(Session& session);
        Session& m_session;
    };

    /// Starts a change that changes what `changes` names.
    Edit edit(ChangeSet changes);

    /// Keeps an observer subscribed while it lives.
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        ~Subscription();

    private:
        friend class Session;
        Subscription(Session& session, SessionObserver& observer) : m_session(&session), m_observer(&observer) {}
        Session* m_session = nullptr;
        SessionObserver* m_observer = nullptr;
    };

    [[nodiscard]] Subscription subscribe(SessionObserver& observer);

private:
    void unsubscribe(SessionObserver& observer);
    void endEdit();

    UserDialogs& m_dialogs;
    SettingsStore& m_settings;
    DocumentShell& m_shell;
    Environment m_environment;

    Document m_doc;
    CorrectionTables m_corr;
    QuantResults m_res;
    ModelState m_model;
    PrintOptions m_print;
    bool m_closing = false;

    std::vector<SessionObserver*> m_observers;
    int m_editDepth = 0;
    ChangeSet m_pending;
    // What an edit compares to notice changes it did not name.
    bool m_dirtyBefore = false;
    std::string m_titleBefore;
    std::string m_fileNameBefore;
};

}  // namespace slv
