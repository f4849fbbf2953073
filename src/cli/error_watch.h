// The exit code must tell the truth about the messages: a run that showed a
// message of kind error ends with exit 1 even when the command itself went
// on to the end, because its output rests on data the program had to
// change or leave out. The watch sits between a command and its message
// stream and notes every line that begins with the error prefix, whichever
// part of the program wrote it.
#pragma once

#include <streambuf>
#include <string>

namespace slv::cli {

/// The prefix of a message of kind error on the error stream.
inline constexpr const char* kErrorPrefix = "error:";

class ErrorWatch final : public std::streambuf {
public:
    /// Passes everything on to target.
    explicit ErrorWatch(std::streambuf& target) : m_target(target) {}

    /// Whether a line beginning with kErrorPrefix went through.
    bool errorShown() const { return m_errorShown; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override { return m_target.pubsync(); }

private:
    void watch(char c);

    std::streambuf& m_target;
    std::string m_lineStart;
    bool m_atLineStart = true;
    bool m_errorShown = false;
};

/// The exit code of a run: the command's own, except that a run ending
/// "successfully" after a message of kind error ends with exit 1.
int HonestExitCode(int commandExitCode, bool errorShown);

}  // namespace slv::cli
