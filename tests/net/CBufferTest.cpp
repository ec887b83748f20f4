#include "net/CBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmoor {
namespace {

using Bytes = CBuffer<unsigned char>;

Bytes Filled(const std::string& bytes, std::uint32_t length)
{
    Bytes buffer;
    buffer.Resize(static_cast<std::uint32_t>(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), buffer.Data());
    buffer.SetLength(length);
    return buffer;
}

std::string Contents(const Bytes& buffer)
{
    return buffer.Data() ? std::string(buffer.Data(), buffer.Data() + buffer.Capacity()) : std::string();
}

struct ResizeCase {
    const char* name;
    std::string before;
    std::uint32_t length;
    std::uint32_t size;
    std::string after;
    std::uint32_t lengthAfter;
};

void PrintTo(const ResizeCase& c, std::ostream* os)
{
    *os << c.name;
}

class CBufferResize : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(CBufferResize, KeepsTheLeadingBytes)
{
    Bytes buffer = Filled(GetParam().before, GetParam().length);
    buffer.Resize(GetParam().size);
    EXPECT_EQ(buffer.Capacity(), GetParam().size);
    EXPECT_EQ(Contents(buffer), GetParam().after);
    EXPECT_EQ(buffer.Length(), GetParam().lengthAfter);
    EXPECT_EQ(buffer.Data() == nullptr, GetParam().size == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CBufferResize,
    ::testing::Values(ResizeCase{"GrowsWithZeroes", "abc", 2, 5, std::string("abc\0\0", 5), 2},
                      ResizeCase{"ShrinksAndCutsTheLength", "abcdef", 6, 4, "abcd", 4},
                      ResizeCase{"ShrinksAboveTheLength", "abcdef", 2, 4, "abcd", 2},
                      ResizeCase{"SameSizeKeepsEverything", "abc", 3, 3, "abc", 3},
                      ResizeCase{"ToNothingFreesTheArray", "abc", 3, 0, "", 0},
                      ResizeCase{"FromNothing", "", 0, 3, std::string(3, '\0'), 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct AssignCase {
    const char* name;
    std::string target;
    std::uint32_t targetLength;
    std::string source;
    std::uint32_t sourceLength;
};

void PrintTo(const AssignCase& c, std::ostream* os)
{
    *os << c.name;
}

class CBufferAssign : public ::testing::TestWithParam<AssignCase> {};

TEST_P(CBufferAssign, CopiesCapacityBytesAndLength)
{
    const Bytes source = Filled(GetParam().source, GetParam().sourceLength);
    Bytes target = Filled(GetParam().target, GetParam().targetLength);
    target = source;
    EXPECT_EQ(target.Capacity(), source.Capacity());
    EXPECT_EQ(Contents(target), GetParam().source);
    EXPECT_EQ(target.Length(), GetParam().sourceLength);
    EXPECT_EQ(Contents(source), GetParam().source);  // the source is left as it was
    if (source.Capacity() > 0) {
        EXPECT_NE(target.Data(), source.Data());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buffers, CBufferAssign,
    ::testing::Values(AssignCase{"IntoEmpty", "", 0, "hello", 3},
                      AssignCase{"OverLarger", "a longer text", 9, "hi", 2},
                      AssignCase{"OverSmaller", "x", 1, std::string("b\0dy", 4), 4},
                      AssignCase{"FromEmptyLeavesNothingInUse", "abcdef", 5, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CBuffer, SelfAssignmentKeepsTheBytes)
{
    Bytes buffer = Filled("abc", 2);
    Bytes& same = buffer;
    buffer = same;
    EXPECT_EQ(Contents(buffer), "abc");
    EXPECT_EQ(buffer.Length(), 2u);
}

TEST(CBuffer, LengthNeverExceedsTheCapacity)
{
    Bytes buffer = Filled("abc", 2);
    buffer.SetLength(10);
    EXPECT_EQ(buffer.Length(), 3u);
}

}  // namespace
}  // namespace velmoor
