// The standard output of selvaro-cli, written straight to its file
// descriptor so that a failed write is noticed and its reason kept: results
// that never reached the disk or the pipe must not end with exit 0.
#pragma once

#include <array>
#include <streambuf>

namespace slv::cli {

class DescriptorOutput final : public std::streambuf {
public:
    explicit DescriptorOutput(int descriptor);
    ~DescriptorOutput() override;
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

    /// The system's error number of the first write that failed, 0 while none did.
    int failure() const { return m_failure; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    /// Writes the buffered bytes; false (and failure() set) when the system refused them.
    bool drain();

    int m_descriptor;
    std::array<char, 8192> m_buffer{};
    int m_failure = 0;
};

}  // namespace slv::cli
