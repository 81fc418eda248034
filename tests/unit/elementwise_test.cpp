// The element-wise gateway, driven through built plug-ins in our own host.
#include <cmath>
#include <limits>

#include "support.hpp"

namespace {

using namespace hyxtest;
using mexhost::Dims;

constexpr int kThermCond = 24;  // hyxTHERMCONDPTX(p, t, x)
constexpr int kLastError = 236;
constexpr int kLastErrorText = 237;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// What the stand-in library gives for hyxTHERMCONDPTX.
double ThermCond(double p, double t, double x) { return kThermCond + p + 2 * t + 3 * x; }

class Elementwise : public LibraryTest {};

struct PairingCase {
    const char* what;
    Array p, t, x;
    Dims dims;
    // The arguments of each library call, in order.
    std::vector<std::vector<double>> calls;
};

TEST_F(Elementwise, PairsElementsAndTakesTheShapeOfTheFirstLargestInput) {
    PairingCase cases[] = {
        {"scalars pair with every element", mexhost::scalar(0.5), mexhost::numeric(mxDOUBLE_CLASS, {2, 2}, {1, 2, 3, 4}),
         mexhost::scalar(7), {2, 2}, {{0.5, 1, 7}, {0.5, 2, 7}, {0.5, 3, 7}, {0.5, 4, 7}}},
        {"1-by-3 and 3-by-1 pair element by element; the first gives the shape", mexhost::row({1, 2, 3}),
         mexhost::numeric(mxDOUBLE_CLASS, {3, 1}, {4, 5, 6}), mexhost::scalar(0), {1, 3}, {{1, 4, 0}, {2, 5, 0}, {3, 6, 0}}},
        {"a shorter input repeats its last element", mexhost::row({1, 2}), mexhost::row({4, 5, 6}), mexhost::row({7, 8, 9}),
         {1, 3}, {{1, 4, 7}, {2, 5, 8}, {2, 6, 9}}},
        {"equal counts: the earlier input's shape wins", mexhost::numeric(mxDOUBLE_CLASS, {2, 3}, {1, 2, 3, 4, 5, 6}),
         mexhost::numeric(mxDOUBLE_CLASS, {3, 2}, {1, 2, 3, 4, 5, 6}), mexhost::scalar(0), {2, 3},
         {{1, 1, 0}, {2, 2, 0}, {3, 3, 0}, {4, 4, 0}, {5, 5, 0}, {6, 6, 0}}},
        {"an N-D input gives an N-D result", mexhost::scalar(1), mexhost::row({1, 2}),
         mexhost::numeric(mxDOUBLE_CLASS, {2, 2, 2}, {1, 2, 3, 4, 5, 6, 7, 8}), {2, 2, 2},
         {{1, 1, 1}, {1, 2, 2}, {1, 2, 3}, {1, 2, 4}, {1, 2, 5}, {1, 2, 6}, {1, 2, 7}, {1, 2, 8}}},
    };
    for (const PairingCase& c : cases) {
        SCOPED_TRACE(c.what);
        zorhyx6_test_journal(1);
        Outcome out = Call("hyxTHERMCONDPTX", 1, {c.p.get(), c.t.get(), c.x.get()});
        ASSERT_FALSE(out.failed) << out.message;
        const mxArray* result = out.outputs.at(0).get();
        EXPECT_EQ(mxGetClassID(result), mxDOUBLE_CLASS);
        EXPECT_EQ(mexhost::dims_of(result), c.dims);
        std::vector<double> expected;
        std::vector<std::vector<double>> seen;
        for (const auto& args : c.calls) expected.push_back(ThermCond(args[0], args[1], args[2]));
        for (const LibraryCall& call : CallsOf(kThermCond)) seen.push_back(call.numbers);
        EXPECT_EQ(seen, c.calls);
        EXPECT_EQ(Values(result), expected);
    }
}

TEST_F(Elementwise, ChecksTheLibraryErrorAfterEveryCall) {
    const Array p = mexhost::scalar(1), t = mexhost::row({1, 2}), x = mexhost::scalar(0);
    ASSERT_FALSE(Call("hyxTHERMCONDPTX", 1, {p.get(), t.get(), x.get()}).failed);
    EXPECT_EQ(Exports(), (std::vector<int>{kThermCond, kLastError, kThermCond, kLastError}));
}

TEST_F(Elementwise, StopsWithTheLibraryTextAtTheFailingElement) {
    const Array p = mexhost::scalar(1), t = mexhost::row({1, 2, kNaN, 4, 5}), x = mexhost::scalar(0);
    Outcome out = Call("hyxTHERMCONDPTX", 1, {p.get(), t.get(), x.get()});
    ASSERT_TRUE(out.failed);
    EXPECT_EQ(out.message, "ZORHYX6 hyxTHERMCONDPTX: argument #2 (t) is not a finite number.");
    EXPECT_EQ(CallsOf(kThermCond).size(), 3u);
    EXPECT_EQ(CallsOf(kLastErrorText).size(), 1u);
    EXPECT_TRUE(out.misuse.empty()) << out.misuse;
}

TEST_F(Elementwise, WithoutTheCheckStoresEveryResultAndNeverReadsTheError) {
    hyxSETLASTERROR(7);
    zorhyx6_test_journal(1);
    const Array mode = mexhost::numeric(mxINT8_CLASS, {1, 4}, {1, 2, 3, 4});
    Outcome out = Call("hyxSETTOLERANCEMODE", 1, {mode.get()});
    ASSERT_FALSE(out.failed) << out.message;
    EXPECT_EQ(mxGetClassID(out.outputs[0].get()), mxINT32_CLASS);
    EXPECT_EQ(Values(out.outputs[0].get()), (std::vector<double>{0, 1, 2, 3}));  // each the previous mode
    EXPECT_EQ(Exports(), (std::vector<int>{231, 231, 231, 231}));
}

TEST_F(Elementwise, ConvertsEachInputForItsParameter) {
    // Equal values of other classes give the same results as doubles.
    const Array p = mexhost::numeric(mxINT32_CLASS, {1, 1}, {2}), t = mexhost::numeric(mxSINGLE_CLASS, {1, 1}, {0.5}),
                x = mexhost::numeric(mxUINT64_CLASS, {1, 1}, {3});
    Outcome out = Call("hyxTHERMCONDPTX", 1, {p.get(), t.get(), x.get()});
    ASSERT_FALSE(out.failed) << out.message;
    EXPECT_EQ(Values(out.outputs[0].get()), std::vector<double>{ThermCond(2, 0.5, 3)});

    // A double of 2.9 reaches a long parameter as 2.
    const Array iterations = mexhost::row({2.9, -2.9});
    ASSERT_FALSE(Call("hyxSETMAXITERATION", 0, {iterations.get()}).failed);
    const auto calls = CallsOf(242);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].numbers, std::vector<double>{2});
    EXPECT_EQ(calls[1].numbers, std::vector<double>{-2});
}

TEST_F(Elementwise, ResultGoesToTheFirstSlotAlsoWithoutOutputs) {
    const Array t = mexhost::scalar(3);
    Outcome out = Call("hyxJOULETHOMPSONSST", 0, {t.get()});
    ASSERT_FALSE(out.failed) << out.message;
    ASSERT_EQ(out.outputs.size(), 1u);
    EXPECT_EQ(Values(out.outputs[0].get()), std::vector<double>{188 + 3});
}

struct RefusalCase {
    const char* what;
    const char* plugin;
    int nlhs;
    std::vector<Array> inputs;
    const char* message;
};

// Every refusal of the gateway itself, before any library call.
TEST_F(Elementwise, RefusesBadCallsWithItsMessagesBeforeCallingTheLibrary) {
    using mexhost::scalar;
    RefusalCase cases[] = {
        {"too many inputs, too many outputs", "hyxTHERMCONDPTX", 2,
         Inputs(scalar(1), scalar(2), scalar(3), scalar(4)), "Function hyxTHERMCONDPTX requires 3 input arguments."},
        {"one-input gateway", "hyxDPDTST", 1, Inputs(scalar(1), scalar(2)),
         "Function hyxDPDTST requires 1 input argument."},
        {"two outputs", "hyxTHERMCONDPTX", 2, Inputs(scalar(1), scalar(2), scalar(3)),
         "Function hyxTHERMCONDPTX requires 0 or 1 output arguments."},
        {"logical input 2, char input 3", "hyxTHERMCONDPTX", 1,
         Inputs(scalar(1), mexhost::logicals({1, 1}), mexhost::text("x")),
         "Function hyxTHERMCONDPTX requires 2 input argument (t) be type of numeric. Try to use MATLAB function "
         "'double(x), int32(x), int64() etc'."},
        {"char input 3", "hyxTHERMCONDPTX", 1, Inputs(scalar(1), scalar(2), mexhost::text("x")),
         "Function hyxTHERMCONDPTX requires 3 input argument (x) be type of numeric. Try to use MATLAB function "
         "'double(x), int32(x), int64() etc'."},
        {"cell, for a long parameter", "hyxSETMAXITERATION", 1, Inputs(mexhost::cells({1, 1}, Inputs(scalar(1)))),
         "Function hyxSETMAXITERATION requires 1 input argument (maxiteration) be type of numeric. Try to use MATLAB "
         "function 'double(x), int32(x), int64() etc'."},
        {"struct", "hyxRIRTL", 1, Inputs(scalar(1), scalar(2), mexhost::structure()),
         "Function hyxRIRTL requires 3 input argument (wavelength) be type of numeric. Try to use MATLAB function "
         "'double(x), int32(x), int64() etc'."},
        {"function handle", "hyxCVEXPANSIONPTXPEFF", 1,
         Inputs(scalar(1), scalar(2), scalar(3), scalar(4), mexhost::function_handle()),
         "Function hyxCVEXPANSIONPTXPEFF requires 5 input argument (eff) be type of numeric. Try to use MATLAB "
         "function 'double(x), int32(x), int64() etc'."},
        {"sparse: its data holds only the non-zero elements", "hyxTHERMCONDPTX", 1,
         Inputs(scalar(1), mexhost::sparse(1000, 1000), scalar(3)),
         "Function hyxTHERMCONDPTX requires 2 input argument (t) be type of full numeric, not sparse. Try to use "
         "MATLAB function 'full(x)'."},
        {"every input empty", "hyxTHERMCONDPTX", 1,
         Inputs(mexhost::row({}), mexhost::numeric(mxINT8_CLASS, {0, 3}, {}), mexhost::row({})),
         "Function hyxTHERMCONDPTX can't process zero size of elements in arguments arrays."},
        {"one input empty among others: nothing to pair it with", "hyxTHERMCONDPTX", 1,
         Inputs(scalar(1), mexhost::row({}), mexhost::row({1, 2})),
         "Function hyxTHERMCONDPTX can't process zero size of elements in arguments arrays."},
        {"empty setter", "hyxSETTOLERANCE", 0, Inputs(mexhost::row({})),
         "Function hyxSETTOLERANCE can't process zero size of elements in arguments arrays."},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.what);
        zorhyx6_test_journal(1);
        Outcome out = Call(c.plugin, c.nlhs, Pointers(c.inputs));
        EXPECT_TRUE(out.failed);
        EXPECT_EQ(out.message, c.message);
        EXPECT_TRUE(Journal().empty());
        EXPECT_TRUE(out.misuse.empty()) << out.misuse;
    }
}

TEST_F(Elementwise, ReportsAnOutputItCouldNotCreate) {
    const Array p = mexhost::scalar(1), t = mexhost::scalar(2), x = mexhost::scalar(3);
    mexhost::fail_nth(mexhost::Api::CreateNumericArray, 1);
    Outcome out = Call("hyxTHERMCONDPTX", 1, {p.get(), t.get(), x.get()});
    EXPECT_EQ(out.message, "Function hyxTHERMCONDPTX: can't create output matrix with type mxDOUBLE_CLASS.");

    mexhost::fail_nth(mexhost::Api::CreateNumericArray, 1);
    out = Call("hyxWATERSTATEAREAPH", 1, {p.get(), t.get()});
    EXPECT_EQ(out.message, "Function hyxWATERSTATEAREAPH: can't create output matrix with type mxINT32_CLASS.");
    EXPECT_TRUE(Journal().empty());
}

}  // namespace
