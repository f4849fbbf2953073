#include "document/binary_io.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace slv {

std::uint32_t ByteReader::take(std::size_t n)
{
    if (m_failed || n > remaining()) {
        fail();
        return 0;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < n; ++i)
        value |= std::to_integer<std::uint32_t>(m_data[m_pos + i]) << (8 * i);
    m_pos += n;
    return value;
}

std::int16_t ByteReader::integer()
{
    return static_cast<std::int16_t>(take(2));
}

std::int32_t ByteReader::longInteger()
{
    return static_cast<std::int32_t>(take(4));
}

float ByteReader::single()
{
    return std::bit_cast<float>(take(4));
}

std::string ByteReader::fixedText(std::size_t width)
{
    if (m_failed || width > remaining()) {
        fail();
        return {};
    }
    std::string text(width, ' ');
    for (std::size_t i = 0; i < width; ++i)
        text[i] = static_cast<char>(std::to_integer<unsigned char>(m_data[m_pos + i]));
    m_pos += width;
    return text;
}

void ByteReader::seek(std::size_t offset)
{
    if (m_failed || offset > m_data.size()) {
        fail();
        return;
    }
    m_pos = offset;
}

bool ByteReader::requireElements(std::uint64_t count, std::size_t elementSize)
{
    if (elementSize != 0 && count > remaining() / elementSize)
        fail();
    return ok();
}

void ByteWriter::put(std::uint32_t value, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        m_bytes.push_back(static_cast<std::byte>((value >> (8 * i)) & 0xFFu));
}

void ByteWriter::integer(std::int16_t value)
{
    put(static_cast<std::uint16_t>(value), 2);
}

void ByteWriter::longInteger(std::int32_t value)
{
    put(static_cast<std::uint32_t>(value), 4);
}

void ByteWriter::single(float value)
{
    put(std::bit_cast<std::uint32_t>(value), 4);
}

void ByteWriter::fixedText(std::string_view text, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        m_bytes.push_back(static_cast<std::byte>(i < text.size() ? static_cast<unsigned char>(text[i]) : ' '));
}

void ByteWriter::countedText(std::string_view text)
{
    const std::size_t count = std::min<std::size_t>(text.size(), std::numeric_limits<std::int16_t>::max());
    integer(static_cast<std::int16_t>(count));
    fixedText(text.substr(0, count), count);
}

}  // namespace slv
