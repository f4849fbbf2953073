#include "cli/error_watch.h"

#include <cstring>

#include "cli/cli_app.h"

namespace slv::cli {

void ErrorWatch::watch(char c)
{
    if (c == '\n') {
        m_atLineStart = true;
        m_lineStart.clear();
        return;
    }
    if (!m_atLineStart)
        return;
    m_lineStart += c;
    const std::size_t prefixLength = std::strlen(kErrorPrefix);
    if (m_lineStart.size() < prefixLength)
        return;
    m_errorShown = m_errorShown || m_lineStart == kErrorPrefix;
    m_atLineStart = false;
}

ErrorWatch::int_type ErrorWatch::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    watch(traits_type::to_char_type(c));
    return m_target.sputc(traits_type::to_char_type(c));
}

std::streamsize ErrorWatch::xsputn(const char* text, std::streamsize count)
{
    for (std::streamsize i = 0; i < count; ++i)
        watch(text[i]);
    return m_target.sputn(text, count);
}

int HonestExitCode(int commandExitCode, bool errorShown)
{
    return commandExitCode == kExitOk && errorShown ? kExitUnusableInput : commandExitCode;
}

}  // namespace slv::cli
