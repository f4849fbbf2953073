// Fixed-length texts of the document: an element symbol is 2 characters, a
// line 3, a chemical state 10, a label 15, a layer name 12. They are stored
// padded with blanks (as in the files) and trimmed whenever shown or compared.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace slv {

/// The text without leading and trailing blanks (spaces, tabs, line ends).
std::string_view trimmed(std::string_view text);

template<std::size_t N>
class FixedText {
public:
    FixedText() { m_chars.fill(' '); }
    FixedText(std::string_view text) { assign(text); }  // NOLINT: texts convert implicitly

    /// Takes the first N characters of text and pads the rest with blanks.
    void assign(std::string_view text)
    {
        m_chars.fill(' ');
        for (std::size_t i = 0; i < N && i < text.size(); ++i)
            m_chars[i] = text[i];
    }
    FixedText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    /// All N characters, blanks included.
    std::string_view padded() const { return {m_chars.data(), N}; }
    std::string trimmedText() const { return std::string(trimmed(padded())); }
    bool isBlank() const { return trimmed(padded()).empty(); }
    char operator[](std::size_t i) const { return m_chars[i]; }

    friend bool operator==(const FixedText&, const FixedText&) = default;

private:
    std::array<char, N> m_chars;
};

}  // namespace slv
