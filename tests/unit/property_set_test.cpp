// The property-set gateway: a function value and fourteen properties per
// element, as fifteen arrays of one shape.
#include <cmath>
#include <limits>

#include "support.hpp"

namespace {

using namespace hyxtest;

constexpr int kPT = 2;     // hyxVUSHCVWDERPTPT(p, t, ...)
constexpr int kSST = 202;  // hyxVUSHCVWDERPTSST(t, ...)

class PropertySet : public LibraryTest {};

TEST_F(PropertySet, FifteenOutputsOfTheChosenShape) {
    const Array p = mexhost::numeric(mxDOUBLE_CLASS, {3, 1}, {1, 2, 3}), t = mexhost::scalar(300);
    Outcome out = Call("hyxVUSHCVWDERPTPT", 15, {p.get(), t.get()});
    ASSERT_FALSE(out.failed) << out.message;
    ASSERT_EQ(out.outputs.size(), 15u);
    // The stand-in: value = 2 + p + 2t; property j = value + 1000 j.
    for (std::size_t j = 0; j < 15; ++j) {
        SCOPED_TRACE(j);
        const mxArray* a = out.outputs[j].get();
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(mxGetClassID(a), mxDOUBLE_CLASS);
        EXPECT_EQ(mexhost::dims_of(a), (mexhost::Dims{3, 1}));
        std::vector<double> expected;
        for (double pk : {1, 2, 3}) expected.push_back(kPT + pk + 600 + 1000.0 * j);
        EXPECT_EQ(Values(a), expected);
    }
    EXPECT_EQ(Exports(), (std::vector<int>{kPT, 236, kPT, 236, kPT, 236}));
}

TEST_F(PropertySet, ConvertsEachInputToDouble) {
    const Array t = mexhost::numeric(mxSINGLE_CLASS, {2, 2}, {0.5, 1.5, 2.5, 3.5});
    Outcome out = Call("hyxVUSHCVWDERPTSST", 15, {t.get()});
    ASSERT_FALSE(out.failed) << out.message;
    EXPECT_EQ(mexhost::dims_of(out.outputs[14].get()), (mexhost::Dims{2, 2}));
    EXPECT_EQ(Values(out.outputs[0].get()), (std::vector<double>{kSST + 0.5, kSST + 1.5, kSST + 2.5, kSST + 3.5}));
}

TEST_F(PropertySet, WithoutOutputsReturnsTheValuesAlone) {
    const Array p = mexhost::row({1, 2}), t = mexhost::numeric(mxDOUBLE_CLASS, {2, 2}, {1, 2, 3, 4});
    Outcome out = Call("hyxVUSHCVWDERPTMSPT", 0, {p.get(), t.get()});
    ASSERT_FALSE(out.failed) << out.message;
    ASSERT_EQ(out.outputs.size(), 1u);  // the host offered one slot; nothing was written past it
    EXPECT_EQ(mexhost::dims_of(out.outputs[0].get()), (mexhost::Dims{2, 2}));
    EXPECT_EQ(Values(out.outputs[0].get()), (std::vector<double>{314 + 1 + 2, 314 + 2 + 4, 314 + 2 + 6, 314 + 2 + 8}));
    EXPECT_EQ(mexhost::calls_in_last_call(mexhost::Api::CreateNumericArray), 1);
}

TEST_F(PropertySet, RefusesOtherOutputCounts) {
    const Array p = mexhost::scalar(1), t = mexhost::scalar(2);
    for (int nlhs : {1, 2, 14, 16}) {
        SCOPED_TRACE(nlhs);
        Outcome out = Call("hyxVUSHCVWDERPTPT", nlhs, {p.get(), t.get()});
        EXPECT_EQ(out.message, "Function hyxVUSHCVWDERPTPT requires 0 or 15 output arguments.");
    }
    EXPECT_EQ(Call("hyxVUSHCVWDERPTSST", 15, {p.get(), t.get()}).message,
              "Function hyxVUSHCVWDERPTSST requires 1 input argument.");
    EXPECT_EQ(Call("hyxVUSHCVWDERPTPT", 15, {p.get(), mexhost::logicals({1, 1}).get()}).message,
              "Function hyxVUSHCVWDERPTPT requires 2 input argument (t) be type of numeric. Try to use MATLAB "
              "function 'double(x), int32(x), int64() etc'.");
    EXPECT_EQ(Call("hyxVUSHCVWDERPTSST", 0, {mexhost::row({}).get()}).message,
              "Function hyxVUSHCVWDERPTSST can't process zero size of elements in arguments arrays.");
    EXPECT_TRUE(Journal().empty());
}

TEST_F(PropertySet, NamesTheOutputItCouldNotCreate) {
    const char* names[] = {"v", "u", "s", "h", "Cv", "w", "DVDPt", "DUDPt", "DSDPt", "DHDPt", "DVDTp", "DUDTp", "DSDTp", "DHDTp"};
    const Array t = mexhost::scalar(2);
    mexhost::fail_nth(mexhost::Api::CreateNumericArray, 1);
    EXPECT_EQ(Call("hyxVUSHCVWDERPTSST", 15, {t.get()}).message,
              "Function hyxVUSHCVWDERPTSST: can't create output matrix with type mxDOUBLE_CLASS.");
    for (int j = 1; j <= 14; ++j) {
        SCOPED_TRACE(j);
        mexhost::fail_nth(mexhost::Api::CreateNumericArray, j + 1);
        Outcome out = Call("hyxVUSHCVWDERPTSST", 15, {t.get()});
        EXPECT_EQ(out.message, "Function hyxVUSHCVWDERPTSST: can't create matrix for output parameter #" +
                                   std::to_string(j) + " " + names[j - 1] + ".");
        EXPECT_EQ(mexhost::calls_in_last_call(mexhost::Api::CreateNumericArray), j + 1);  // none after it
    }
    EXPECT_TRUE(Journal().empty());
}

TEST_F(PropertySet, StopsWithTheLibraryText) {
    const Array p = mexhost::row({1, -1, 3}), t = mexhost::scalar(2);
    Outcome out = Call("hyxVUSHCVWDERPTPT", 15, {p.get(), t.get()});
    EXPECT_EQ(out.message, "ZORHYX6 hyxVUSHCVWDERPTPT: argument #1 (p) is not a positive pressure.");
    EXPECT_EQ(CallsOf(kPT).size(), 2u);
}

}  // namespace
