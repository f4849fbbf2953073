#include "session/session.h"

#include <algorithm>

namespace slv {

std::vector<Change> ChangeSet::changes() const
{
    std::vector<Change> single;
    for (std::uint32_t bit = 1; bit <= kAllBits; bit <<= 1)
        if ((m_bits & bit) != 0)
            single.push_back(static_cast<Change>(bit));
    return single;
}

Session::Session(UserDialogs& dialogs, SettingsStore& settings, DocumentShell& shell)
    : m_dialogs(dialogs),
      m_settings(settings),
      m_shell(shell)
{
}

Session::Edit::Edit(Session& session)
    : doc(session.m_doc),
      corr(session.m_corr),
      res(session.m_res),
      model(session.m_model),
      print(session.m_print),
      m_session(session)
{
}

Session::Edit::~Edit()
{
    m_session.endEdit();
}

QuantContext Session::Edit::quant(Findings& findings) const
{
    return {doc, corr, res, m_session.m_environment, findings};
}

Session::Edit Session::edit(ChangeSet changes)
{
    if (m_editDepth++ == 0) {
        m_pending = {};
        m_dirtyBefore = m_doc.DocDirty;
        m_titleBefore = m_doc.title();
        m_fileNameBefore = m_doc.DocFileName;
    }
    m_pending |= changes;
    return Edit(*this);
}

void Session::endEdit()
{
    if (--m_editDepth > 0)
        return;
    ChangeSet changes = m_pending;
    if (m_doc.DocDirty != m_dirtyBefore)
        changes |= Change::DirtyFlag;
    if (m_doc.title() != m_titleBefore)
        changes |= Change::Title;
    if (m_doc.DocFileName != m_fileNameBefore)
        changes |= Change::FileName;
    m_pending = {};
    if (changes.empty())
        return;
    // An observer may unsubscribe (or subscribe another) while it is told.
    const std::vector<SessionObserver*> observers = m_observers;
    for (SessionObserver* observer : observers)
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            observer->sessionChanged(changes);
}

Session::Subscription Session::subscribe(SessionObserver& observer)
{
    m_observers.push_back(&observer);
    return Subscription(*this, observer);
}

void Session::unsubscribe(SessionObserver& observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), &observer), m_observers.end());
}

Session::Subscription::Subscription(Subscription&& other) noexcept
    : m_session(other.m_session),
      m_observer(other.m_observer)
{
    other.m_session = nullptr;
}

Session::Subscription& Session::Subscription::operator=(Subscription&& other) noexcept
{
    if (this != &other) {
        if (m_session != nullptr)
            m_session->unsubscribe(*m_observer);
        m_session = other.m_session;
        m_observer = other.m_observer;
        other.m_session = nullptr;
    }
    return *this;
}

Session::Subscription::~Subscription()
{
    if (m_session != nullptr)
        m_session->unsubscribe(*m_observer);
}

}  // namespace slv
