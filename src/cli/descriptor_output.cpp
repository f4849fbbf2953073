#include "cli/descriptor_output.h"

#include <cerrno>
#include <unistd.h>

namespace slv::cli {

DescriptorOutput::DescriptorOutput(int descriptor) : m_descriptor(descriptor)
{
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

DescriptorOutput::~DescriptorOutput()
{
    drain();
}

bool DescriptorOutput::drain()
{
    const char* next = pbase();
    while (next < pptr() && m_failure == 0) {
        const ssize_t written = ::write(m_descriptor, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            m_failure = written < 0 ? errno : EIO;
        else
            next += written;
    }
    // Bytes the system refused are dropped: the failure is kept and reported once.
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_failure == 0;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c)
{
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int DescriptorOutput::sync()
{
    return drain() ? 0 : -1;
}

}  // namespace slv::cli
