#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "document/binary_io.h"
#include "document/library_file.h"
#include "support/test_library.h"

namespace slv {
namespace {

void putInteger(std::vector<std::byte>& bytes, std::size_t offset, std::int16_t value)
{
    bytes[offset] = static_cast<std::byte>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::byte>((value >> 8) & 0xFF);
}

void putLong(std::vector<std::byte>& bytes, std::size_t offset, std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::byte>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
}

void putSingle(std::vector<std::byte>& bytes, std::size_t offset, float value)
{
    putLong(bytes, offset, std::bit_cast<std::int32_t>(value));
}

std::int32_t longAt(const std::vector<std::byte>& bytes, std::size_t offset)
{
    ByteReader in(bytes);
    in.seek(offset);
    return in.longInteger();
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// Offsets of the writer's layout for the small library (0-based).
constexpr std::size_t kSectionTable = 13;
constexpr std::size_t kDirectory = 797;
constexpr std::size_t kFirstRecord = 1415;

TEST(LibraryFile, WriterPlacesEveryPartWhereTheHeaderSays)
{
    const auto bytes = LibraryBytes(test::SmallLibrary());
    ByteReader in(bytes);
    EXPECT_EQ(in.fixedText(4), "SLVL");
    EXPECT_EQ(in.integer(), 400);
    EXPECT_EQ(in.fixedText(7), "R.Tavik");
    // Sections: two asymmetry tables of 9 x 34 bytes, three weight records of
    // 48 bytes, 6 and 7 absent, then the directory of 103 x 6 bytes.
    const std::int16_t expected[] = {42, 348, 654, 702, 750, 0, 0, 798};
    for (std::int16_t position : expected)
        EXPECT_EQ(in.integer(), position);
    EXPECT_EQ(in.single(), 0.0f);  // Evans
    EXPECT_EQ(in.single(), 4.0f);  // Wagner
    in.single();                   // Nefedov
    EXPECT_EQ(in.position(), kLibraryHeaderSize);

    // The first directory entry is C at the first record, whose line follows it.
    in.seek(kDirectory);
    EXPECT_EQ(in.fixedText(2), "C ");
    EXPECT_EQ(in.longInteger(), static_cast<std::int32_t>(kFirstRecord + 1));
    EXPECT_EQ(in.fixedText(2), "O ");
    EXPECT_EQ(in.longInteger(), static_cast<std::int32_t>(kFirstRecord + 1 + kElementRecordSize + kLineRecordSize));
    in.seek(kFirstRecord + kElementRecordSize);
    EXPECT_EQ(in.fixedText(3), "1s ");
    EXPECT_EQ(in.single(), 284.2f);

    // 5 elements and 10 lines in all.
    EXPECT_EQ(bytes.size(), kFirstRecord + 5 * kElementRecordSize + 10 * kLineRecordSize);
}

TEST(LibraryFile, ParseReadsBackWhatTheWriterWrote)
{
    const LibraryContents contents = test::SmallLibrary();
    const LibraryParse parse = ParseLibrary(LibraryBytes(contents));
    ASSERT_EQ(parse.fault, LibraryFault::None) << parse.detail;
    EXPECT_EQ(parse.contents, contents);
}

TEST(LibraryFile, HeaderChecksMagicAuthorAndVersion)
{
    struct Case {
        const char* what;
        std::string_view magic;
        std::string_view author;
        std::int16_t version;
        LibraryFault fault;
    };
    const Case cases[] = {
        {"current", "SLVL", "R.Tavik", 400, LibraryFault::None},
        {"last minor version", "SLVL", "R.Tavik", 499, LibraryFault::None},
        // One of the two marks suffices; only both wrong is an illegal header.
        {"author only", "XXXX", "R.Tavik", 400, LibraryFault::None},
        {"magic only", "SLVL", "nobody ", 400, LibraryFault::None},
        {"neither", "XXXX", "nobody ", 400, LibraryFault::IllegalHeader},
        {"next major version", "SLVL", "R.Tavik", 512, LibraryFault::IncompatibleVersion},
        {"older version", "SLVL", "R.Tavik", 399, LibraryFault::IncompatibleVersion},
        {"negative version", "SLVL", "R.Tavik", -400, LibraryFault::IncompatibleVersion},
    };
    for (const Case& c : cases) {
        auto bytes = LibraryBytes(test::SmallLibrary());
        for (std::size_t i = 0; i < 4; ++i)
            bytes[i] = static_cast<std::byte>(c.magic[i]);
        for (std::size_t i = 0; i < 7; ++i)
            bytes[6 + i] = static_cast<std::byte>(c.author[i]);
        putInteger(bytes, 4, c.version);
        EXPECT_EQ(LibraryFile(bytes).headerFault(), c.fault) << c.what;
        EXPECT_EQ(ParseLibrary(bytes).fault, c.fault) << c.what;
    }
}

TEST(LibraryFile, EveryTruncationAndOversizedInputIsReportedNotRead)
{
    EXPECT_EQ(ParseLibrary(std::vector<std::byte>(kMaxLibraryBytes + 1)).fault, LibraryFault::Damaged);
    const auto full = LibraryBytes(test::SmallLibrary());
    for (std::size_t size = 0; size < full.size(); ++size) {
        const std::vector<std::byte> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        const LibraryParse parse = ParseLibrary(cut);
        const LibraryFault expected = size < kLibraryHeaderSize ? LibraryFault::IllegalHeader : LibraryFault::Damaged;
        ASSERT_EQ(parse.fault, expected) << "size " << size;
        if (expected == LibraryFault::Damaged) {
            ASSERT_FALSE(parse.detail.empty()) << "size " << size;
        }
    }
}

TEST(LibraryFile, HostileCountsPositionsAndNumbersAreDamage)
{
    const auto good = LibraryBytes(test::SmallLibrary());
    const std::size_t fe = static_cast<std::size_t>(longAt(good, kDirectory + 2 * 6 + 2)) - 1;
    const std::size_t end = good.size();
    enum class Field { Integer, Long, Single };
    struct Case {
        const char* what;
        std::size_t offset;
        Field field;
        double value;
        const char* detail;  // a part of the damage text
    };
    // Offsets: Fe record + 64 its line count, + 66 its first line; kDirectory + 2
    // the position of C's record; kSectionTable + 2 (s - 1) that of section s.
    const Case cases[] = {
        {"21 lines", fe + 64, Field::Integer, 21, "21 lines"},
        {"negative line count", fe + 64, Field::Integer, -1, "-1 lines"},
        {"more lines than bytes", fe + 64, Field::Integer, 20, "outside"},
        {"atomic number 0", fe, Field::Integer, 0, "atomic number 0"},
        {"atomic number 104", fe, Field::Integer, 104, "atomic number 104"},
        {"record position 0", kDirectory + 2, Field::Long, 0, "position 0"},
        {"negative record position", kDirectory + 2, Field::Long, -7, "position -7"},
        {"record beyond the end", kDirectory + 2, Field::Long, 0x7FFFFFFF, "outside"},
        {"record at the last byte", kDirectory + 2, Field::Long, static_cast<double>(end), "outside"},
        {"directory missing", kSectionTable + 14, Field::Integer, 0, "missing"},
        {"directory beyond the end", kSectionTable + 14, Field::Integer, 32000, "outside"},
        {"asymmetry table negative", kSectionTable, Field::Integer, -5, "missing"},
        {"weights beyond the end", kSectionTable + 4, Field::Integer, static_cast<double>(end - 10), "outside"},
        {"NaN cross section", fe + 66 + 7 + 4, Field::Single, kNaN, "not a number"},
        {"infinite atomic weight", fe + 16, Field::Single, kInfinity, "not a number"},
        {"NaN asymmetry coefficient", 41 + 6, Field::Single, kNaN, "not a number"},
        {"NaN weight", 653 + 12, Field::Single, kNaN, "not a number"},
    };
    for (const Case& c : cases) {
        auto bytes = good;
        switch (c.field) {
        case Field::Integer: putInteger(bytes, c.offset, static_cast<std::int16_t>(c.value)); break;
        case Field::Long: putLong(bytes, c.offset, static_cast<std::int32_t>(c.value)); break;
        case Field::Single: putSingle(bytes, c.offset, static_cast<float>(c.value)); break;
        }
        const LibraryParse parse = ParseLibrary(bytes);
        EXPECT_EQ(parse.fault, LibraryFault::Damaged) << c.what;
        EXPECT_NE(parse.detail.find(c.detail), std::string::npos) << c.what << ": " << parse.detail;
    }
}

TEST(LibraryFile, DamageIsStickyAndLaterReadsGiveEmptyRecords)
{
    auto bytes = LibraryBytes(test::SmallLibrary());
    putInteger(bytes, kSectionTable, 0);  // asymmetry table of Mg missing
    LibraryFile file(bytes);
    ASSERT_EQ(file.headerFault(), LibraryFault::None);
    file.asymmetryTable(kAsymmetrySectionMg);
    ASSERT_TRUE(file.damaged());
    const std::string first = file.damage();
    // Intact parts read afterwards stay empty, and the first finding is kept.
    EXPECT_EQ(file.directoryPosition("Fe"), 0);
    EXPECT_EQ(file.geometryRecord(kSphereWeightSection).weights[0], 0.0f);
    EXPECT_EQ(file.damage(), first);
}

TEST(LibraryFile, DirectoryFindsTrimmedSymbolsOnly)
{
    LibraryFile file(LibraryBytes(test::SmallLibrary()));
    EXPECT_EQ(file.directoryPosition("Fe"), file.directoryPosition("Fe "));
    EXPECT_GT(file.directoryPosition("O"), 0);
    EXPECT_EQ(file.directoryPosition("fe"), 0);  // symbols are compared as written
    EXPECT_EQ(file.directoryPosition(""), 0);    // the blank unused entries are never found
    EXPECT_EQ(file.directoryPosition("Zz"), 0);
    EXPECT_FALSE(file.damaged());
}

}  // namespace
}  // namespace slv
