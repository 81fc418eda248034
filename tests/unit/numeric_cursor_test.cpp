// The numeric cursors: the conversion of every class to double and to the
// library's 32-bit long, and the walk over an input.
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "mexhost.hpp"
#include "numeric_cursors.hpp"

namespace {

using mexhost::Array;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <class T>
T First(const Array& input) {
    auto cursor = hyx::MakeNumericCursor<T>(input.get());
    EXPECT_NE(cursor, nullptr);
    return cursor ? cursor->GetValue() : T{};
}

struct Case {
    const char* what;
    Array input;
    double as_double;
    hyx::Long as_long;
};

TEST(NumericCursor, ConvertsEveryClassByItsRule) {
    const std::uint64_t two53 = std::uint64_t{1} << 53;
    const std::uint64_t two32 = std::uint64_t{1} << 32;
    Case cases[] = {
        {"double unchanged, truncated toward zero", mexhost::scalar(-2.9), -2.9, -2},
        {"double 2147483647.9", mexhost::scalar(2147483647.9), 2147483647.9, 2147483647},
        {"double -0.5", mexhost::scalar(-0.5), -0.5, 0},
        {"single 0.1 widened exactly", mexhost::numeric(mxSINGLE_CLASS, {1, 1}, {0.1}),
         0.100000001490116119384765625, 0},
        {"single 2.9", mexhost::numeric(mxSINGLE_CLASS, {1, 1}, {2.9}), static_cast<double>(2.9f), 2},
        {"int8 -128", mexhost::numeric(mxINT8_CLASS, {1, 1}, {-128}), -128, -128},
        {"uint8 255", mexhost::numeric(mxUINT8_CLASS, {1, 1}, {255}), 255, 255},
        {"int16 -32768", mexhost::numeric(mxINT16_CLASS, {1, 1}, {-32768}), -32768, -32768},
        {"uint16 65535", mexhost::numeric(mxUINT16_CLASS, {1, 1}, {65535}), 65535, 65535},
        {"int32 min", mexhost::numeric(mxINT32_CLASS, {1, 1}, {-2147483648.0}), -2147483648.0, INT32_MIN},
        {"uint32 max stays positive; as long -1", mexhost::numeric(mxUINT32_CLASS, {1, 1}, {4294967295.0}),
         4294967295.0, -1},
        {"uint32 2^31", mexhost::numeric(mxUINT32_CLASS, {1, 1}, {2147483648.0}), 2147483648.0, INT32_MIN},
        {"int64 2^53+1 rounds to even; low 32 bits", mexhost::int64s({1, 1}, {std::int64_t(two53 + 1)}),
         9007199254740992.0, 1},
        {"int64 2^32+5", mexhost::int64s({1, 1}, {std::int64_t(two32 + 5)}), 4294967301.0, 5},
        {"int64 2^31", mexhost::int64s({1, 1}, {std::int64_t{1} << 31}), 2147483648.0, INT32_MIN},
        {"int64 -1", mexhost::int64s({1, 1}, {-1}), -1, -1},
        {"uint64 max", mexhost::uint64s({1, 1}, {UINT64_MAX}), 18446744073709551616.0, -1},
        {"uint64 2^63 stays positive", mexhost::uint64s({1, 1}, {std::uint64_t{1} << 63}),
         9223372036854775808.0, 0},
        {"complex 3+4i: the real part", mexhost::complex_doubles({1, 1}, {3}, {4}), 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(First<double>(c.input), c.as_double);
        EXPECT_EQ(First<hyx::Long>(c.input), c.as_long);
    }
}

// Values a truncating conversion cannot represent get x86's answer, not
// undefined behaviour.
TEST(NumericCursor, NonFiniteAndOutOfRangeFloatsGiveInt32MinAsLong) {
    for (double v : {kNaN, kInf, -kInf, 2147483648.0, -2147483649.0, 1e300}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(First<hyx::Long>(mexhost::scalar(v)), INT32_MIN);
        EXPECT_EQ(First<hyx::Long>(mexhost::numeric(mxSINGLE_CLASS, {1, 1}, {v})), INT32_MIN);
    }
    EXPECT_EQ(First<hyx::Long>(mexhost::scalar(-2147483648.9)), INT32_MIN);
    EXPECT_TRUE(std::isnan(First<double>(mexhost::scalar(kNaN))));
}

TEST(NumericCursor, WalksColumnMajorAndStaysOnTheLastElement) {
    // MATLAB's [1 2 3; 4 5 6] is stored 1 4 2 5 3 6.
    const Array input = mexhost::numeric(mxINT16_CLASS, {2, 3}, {1, 4, 2, 5, 3, 6});
    auto cursor = hyx::MakeNumericCursor<double>(input.get());
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->GetCount(), 6u);
    ASSERT_EQ(cursor->GetNumberOfDimensions(), 2u);
    EXPECT_EQ(cursor->GetDimensions(), mxGetDimensions(input.get()));
    std::vector<double> seen;
    for (int k = 0; k < 8; ++k) {
        seen.push_back(cursor->GetValue());
        cursor->Next();
    }
    EXPECT_EQ(seen, (std::vector<double>{1, 4, 2, 5, 3, 6, 6, 6}));

    const Array one = mexhost::scalar(7);
    auto single = hyx::MakeNumericCursor<hyx::Long>(one.get());
    for (int k = 0; k < 3; ++k, single->Next()) EXPECT_EQ(single->GetValue(), 7);
}

TEST(NumericCursor, ReadsTheInputInPlace) {
    const Array input = mexhost::row({1, 2});
    auto cursor = hyx::MakeNumericCursor<double>(input.get());
    static_cast<double*>(mxGetData(input.get()))[0] = 42;
    EXPECT_EQ(cursor->GetValue(), 42);
}

TEST(NumericCursor, NoCursorForNonNumericClasses) {
    const Array inputs[] = {mexhost::logicals({1, 1}), mexhost::text("a"), mexhost::cells({0, 0}, {}),
                            mexhost::structure(), mexhost::function_handle()};
    for (const Array& input : inputs) {
        EXPECT_EQ(hyx::MakeNumericCursor<double>(input.get()), nullptr);
        EXPECT_EQ(hyx::MakeNumericCursor<hyx::Long>(input.get()), nullptr);
    }
}

}  // namespace
