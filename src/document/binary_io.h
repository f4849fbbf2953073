// Little-endian byte decoding and encoding for the program's binary files
// (element library, data and template files). Files are read whole into
// memory and parsed from a byte span: the reader checks every read against
// the end of the buffer and remembers the first failure ("sticky"), so a
// record can be read straight through and checked once with ok(). Failed
// reads return zero or empty text and never touch memory outside the span.
//
// Field types as the files define them: Integer = 2-byte signed, Long =
// 4-byte signed, Single = 4-byte IEEE float, text*N = N bytes of ANSI text
// padded with blanks, counted text = an Integer byte count followed by that
// many bytes. Texts are kept as raw 8-bit bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace slv {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::byte> data) : m_data(data) {}

    std::int16_t integer();
    std::int32_t longInteger();
    float single();
    /// The next width bytes as they are (blank padding kept).
    std::string fixedText(std::size_t width);

    /// Moves to a 0-based offset; an offset beyond the end fails.
    void seek(std::size_t offset);
    /// Fails unless count elements of elementSize bytes remain; call before
    /// allocating or looping for a count that came from the file.
    bool requireElements(std::uint64_t count, std::size_t elementSize);

    bool ok() const { return !m_failed; }
    std::size_t position() const { return m_pos; }
    std::size_t size() const { return m_data.size(); }
    std::size_t remaining() const { return m_data.size() - m_pos; }

private:
    /// The next n bytes as a little-endian number, or 0 after a failure.
    std::uint32_t take(std::size_t n);
    void fail() { m_failed = true; }

    std::span<const std::byte> m_data;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

class ByteWriter {
public:
    void integer(std::int16_t value);
    void longInteger(std::int32_t value);
    void single(float value);
    /// Exactly width bytes: the text cut or padded with blanks.
    void fixedText(std::string_view text, std::size_t width);
    /// An Integer byte count and the bytes; texts longer than an Integer can
    /// count are cut at 32767 bytes.
    void countedText(std::string_view text);

    const std::vector<std::byte>& bytes() const { return m_bytes; }
    std::size_t size() const { return m_bytes.size(); }

private:
    void put(std::uint32_t value, std::size_t n);

    std::vector<std::byte> m_bytes;
};

}  // namespace slv
