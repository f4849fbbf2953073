#include <gtest/gtest.h>

#include "document/binary_io.h"

namespace slv {
namespace {

std::vector<std::byte> bytesOf(std::initializer_list<int> values)
{
    std::vector<std::byte> bytes;
    for (int v : values)
        bytes.push_back(static_cast<std::byte>(v));
    return bytes;
}

TEST(BinaryIo, FieldsRoundTripLittleEndian)
{
    ByteWriter w;
    w.integer(-2);
    w.longInteger(0x01020304);
    w.single(1486.6f);
    w.fixedText("Fe", 3);
    w.fixedText("R.Tavik-long", 7);
    w.countedText("title");
    // Golden bytes of the first two fields: low byte first.
    const auto& b = w.bytes();
    ASSERT_EQ(b.size(), 2u + 4 + 4 + 3 + 7 + 2 + 5);
    EXPECT_EQ(b[0], std::byte{0xFE});
    EXPECT_EQ(b[1], std::byte{0xFF});
    EXPECT_EQ(b[2], std::byte{0x04});
    EXPECT_EQ(b[5], std::byte{0x01});

    ByteReader r(b);
    EXPECT_EQ(r.integer(), -2);
    EXPECT_EQ(r.longInteger(), 0x01020304);
    EXPECT_EQ(r.single(), 1486.6f);
    EXPECT_EQ(r.fixedText(3), "Fe ");
    EXPECT_EQ(r.fixedText(7), "R.Tavik");
    EXPECT_EQ(r.integer(), 5);
    EXPECT_EQ(r.fixedText(5), "title");
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.remaining(), 0u);
}

TEST(BinaryIo, EveryReadPastTheEndFailsAndStaysFailed)
{
    const auto data = bytesOf({1, 0, 2});
    struct Case {
        const char* what;
        void (*read)(ByteReader&);
    };
    const Case cases[] = {
        {"long", [](ByteReader& r) { r.longInteger(); }},          {"single", [](ByteReader& r) { r.single(); }},
        {"text", [](ByteReader& r) { r.fixedText(4); }},           {"seek", [](ByteReader& r) { r.seek(4); }},
        {"count", [](ByteReader& r) { r.requireElements(2, 2); }},
    };
    for (const auto& c : cases) {
        ByteReader r(data);
        c.read(r);
        EXPECT_FALSE(r.ok()) << c.what;
        // Sticky: a read that would fit on its own still yields nothing.
        EXPECT_EQ(r.integer(), 0) << c.what;
        EXPECT_FALSE(r.ok()) << c.what;
    }
}

}  // namespace
}  // namespace slv
