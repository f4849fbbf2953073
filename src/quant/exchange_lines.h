// The text level of the reduced data exchange file: lines, fields, keywords
// and numbers. A line ends at CR, at LF, or at a CR LF or LF CR pair, and the
// last line needs no line end. Fields are separated by ";" or TAB and
// trimmed. The keyword of a line (and the code of an option) is the first
// four characters of its field, upper-cased.
//
// The file comes from another program and is read as untrusted text: lines
// are cut at kMaxExchangeLineLength characters, reading stops after
// kMaxExchangeLines lines, and a line yields at most kMaxExchangeFields
// fields, so no input makes the reader allocate or work without bound.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"

namespace slv {

inline constexpr std::size_t kMaxExchangeLineLength = 4096;
inline constexpr int kMaxExchangeLines = 10000;
/// Four labels and the values of 20 element rows.
inline constexpr std::size_t kMaxExchangeFields = 24;

/// Reads the lines of an exchange file held in memory.
class ExchangeLineReader {
public:
    explicit ExchangeLineReader(std::string_view text) : m_rest(text) {}
    /// The lines view into the text, which must outlive the reader.
    explicit ExchangeLineReader(std::string&&) = delete;

    /// The next line without its line end, cut at kMaxExchangeLineLength
    /// characters; false at the end of the text or after kMaxExchangeLines
    /// lines. The line views into the text given to the constructor.
    bool ReadDataLine(std::string_view& line);

    /// The number of the line ReadDataLine gave last, counted from 1.
    int lineNumber() const { return m_linesRead; }

    /// Some line read so far was longer than kMaxExchangeLineLength.
    bool lineWasCut() const { return m_lineWasCut; }
    /// Reading stopped at kMaxExchangeLines with text left over.
    bool linesLeftUnread() const { return m_linesRead >= kMaxExchangeLines && !m_rest.empty(); }

private:
    std::string_view m_rest;
    int m_linesRead = 0;
    bool m_lineWasCut = false;
};

/// The trimmed fields of a line, at most kMaxExchangeFields; an empty line
/// has one empty field.
std::vector<std::string_view> SplitFields(std::string_view line);

/// The first four characters of a field, upper-cased: a line's keyword or
/// an option's code.
std::string KeywordOf(std::string_view field);

/// A number field: blank is 0. The locale's decimal separator is honoured,
/// and a field that does not contain it may use the other one ("1,5" and
/// "1.5" both read 1.5), since exchange files are written by programs in
/// any locale. Unconvertible or non-finite text gives 0.
float ParseNumberField(std::string_view field, char decSep);

/// A number field as ParseNumberField reads it, or nullopt when it is blank,
/// does not convert, is not finite or lies outside the single-precision range.
std::optional<float> ConvertNumberField(std::string_view field, char decSep);

/// A whole-number field: ParseNumberField rounded to the nearest integer,
/// halves to the even neighbour; 0 when outside the Integer range.
Integer ParseIntegerField(std::string_view field, char decSep);

}  // namespace slv
