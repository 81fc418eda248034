// Tests of our MEX host: the array API as MATLAB documents it, and the call
// machinery (outputs, error exit, clean-up, fault injection, misuse) driven
// through a probe plug-in.
#include "mexhost.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "mex.h"

#if defined(__SANITIZE_ADDRESS__)
#define MEXHOST_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MEXHOST_TEST_ASAN 1
#endif
#endif

namespace {

using namespace mexhost;

std::string string_of(const mxArray* a) {
    std::vector<char> buf(mxGetNumberOfElements(a) + 1);
    EXPECT_EQ(mxGetString(a, buf.data(), buf.size()), 0);
    return buf.data();
}

TEST(MxGetString, CopiesColumnMajorLowBytesAndReportsTruncation) {
    Array abc = text("abc");
    Array grid = char_rows({"ab", "cd"});
    Array empty = text("");
    Array wide = text("A");
    static_cast<mxChar*>(mxGetData(wide.get()))[0] = 0x141;  // keeps the low 8 bits

    struct Case {
        const mxArray* array;
        mwSize buflen;
        int rc;
        std::string copied;
    } cases[] = {
        {abc.get(), 4, 0, "abc"},  {abc.get(), 10, 0, "abc"}, {abc.get(), 3, 1, "ab"},
        {abc.get(), 1, 1, ""},     {grid.get(), 5, 0, "acbd"}, {grid.get(), 3, 1, "ac"},
        {wide.get(), 2, 0, "A"},   {empty.get(), 1, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("buflen " + std::to_string(c.buflen) + ", expecting \"" + c.copied + "\"");
        char buf[16];
        std::memset(buf, '#', sizeof buf);
        EXPECT_EQ(mxGetString(c.array, buf, c.buflen), c.rc);
        EXPECT_EQ(std::string(buf), c.copied);
        EXPECT_EQ(buf[c.copied.size() + 1], '#') << "wrote past the terminating NUL";
    }
}

TEST(MxGetString, FailsWithoutWritingForNonCharOrEmptyBuffer) {
    Array number = scalar(65);
    Array abc = text("abc");
    char buf[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(mxGetString(number.get(), buf, sizeof buf), 1);
    EXPECT_EQ(mxGetString(abc.get(), buf, 0), 1);
    EXPECT_EQ(std::string(buf, sizeof buf), "####");
}

TEST(Dimensions, NormalizedAlikeByEveryCreatorAndDataZeroed) {
    struct Case {
        Dims given;
        Dims stored;
        std::size_t m, n;
    } cases[] = {
        {{2, 3, 4}, {2, 3, 4}, 2, 12},
        {{4, 1, 7, 1, 1}, {4, 1, 7}, 4, 7},
        {{2, 1}, {2, 1}, 2, 1},
        {{1, 1, 1}, {1, 1}, 1, 1},
        {{0, 3, 1}, {0, 3}, 0, 3},
        {{3, 0, 2}, {3, 0, 2}, 3, 0},
        {{5}, {5, 1}, 5, 1},
        {{}, {1, 1}, 1, 1},
    };
    for (const Case& c : cases) {
        const mwSize* given = c.given.empty() ? nullptr : c.given.data();
        const std::size_t count = c.m * c.n;
        Array made[] = {
            Array(mxCreateNumericArray(c.given.size(), given, mxUINT16_CLASS, mxREAL)),
            Array(mxCreateCharArray(c.given.size(), given)),
            Array(mxCreateLogicalArray(c.given.size(), given)),
            Array(mxCreateCellArray(c.given.size(), given)),
        };
        for (const Array& a : made) {
            SCOPED_TRACE("class " + std::to_string(mxGetClassID(a.get())) + ", " +
                         std::to_string(c.given.size()) + " dims given");
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(dims_of(a.get()), c.stored);
            EXPECT_EQ(mxGetM(a.get()), c.m);
            EXPECT_EQ(mxGetN(a.get()), c.n);
            EXPECT_EQ(mxGetNumberOfElements(a.get()), count);
            for (std::size_t k = 0; k < count; ++k) {
                if (mxIsCell(a.get()))
                    EXPECT_EQ(mxGetCell(a.get(), k), nullptr);
                else
                    EXPECT_EQ(element(a.get(), k), 0.0);
            }
        }
    }
}

TEST(Arrays, EveryNumericClassKeepsItsClassAndValues) {
    for (int cls = mxDOUBLE_CLASS; cls <= mxUINT64_CLASS; ++cls) {
        SCOPED_TRACE("class " + std::to_string(cls));
        const std::vector<double> values = {0, 1, 2, 100};
        Array a = numeric(static_cast<mxClassID>(cls), {2, 2}, values);
        EXPECT_EQ(mxGetClassID(a.get()), cls);
        EXPECT_FALSE(mxIsComplex(a.get()));
        EXPECT_EQ(mxGetImagData(a.get()), nullptr);
        for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(element(a.get(), k), values[k]);
    }
    // Values a double cannot carry survive exactly.
    const std::vector<std::int64_t> i64 = {std::numeric_limits<std::int64_t>::min(), (std::int64_t{1} << 53) + 1};
    const std::vector<std::uint64_t> u64 = {std::numeric_limits<std::uint64_t>::max()};
    Array a = int64s({1, 2}, i64);
    Array b = uint64s({1, 1}, u64);
    EXPECT_EQ(std::memcmp(mxGetData(a.get()), i64.data(), 16), 0);
    EXPECT_EQ(std::memcmp(mxGetData(b.get()), u64.data(), 8), 0);
}

TEST(Arrays, ConstructorsMakeTheirClasses) {
    struct Case {
        Array array;
        mxClassID cls;
        bool is_char, is_cell, is_sparse;
    };
    Case cases[] = {
        {text("x"), mxCHAR_CLASS, true, false, false},
        {cells({1, 1}, {}), mxCELL_CLASS, false, true, false},
        {logicals({2, 2}), mxLOGICAL_CLASS, false, false, false},
        {structure(), mxSTRUCT_CLASS, false, false, false},
        {function_handle(), mxFUNCTION_CLASS, false, false, false},
        {sparse(3, 4), mxDOUBLE_CLASS, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("class " + std::to_string(c.cls));
        EXPECT_EQ(mxGetClassID(c.array.get()), c.cls);
        EXPECT_EQ(mxIsChar(c.array.get()), c.is_char);
        EXPECT_EQ(mxIsCell(c.array.get()), c.is_cell);
        EXPECT_EQ(mxIsSparse(c.array.get()), c.is_sparse);
    }
}

TEST(Arrays, ComplexDataIsTheRealPartWithImaginaryApart) {
    Array c = complex_doubles({1, 3}, {1, 2, 3}, {-1, -2, -3});
    ASSERT_TRUE(mxIsComplex(c.get()));
    const double* re = static_cast<const double*>(mxGetData(c.get()));
    const double* im = static_cast<const double*>(mxGetImagData(c.get()));
    ASSERT_NE(im, nullptr);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(re[k], k + 1);
        EXPECT_EQ(im[k], -(k + 1));
    }
    EXPECT_EQ(element(c.get(), 1), 2.0);
}

TEST(Arrays, SparseCountsMByNButStoresOnlyNzmax) {
    Array s = sparse(3, 4);
    EXPECT_EQ(mxGetNumberOfElements(s.get()), 12u);
    EXPECT_EQ(mxGetM(s.get()), 3u);
    EXPECT_EQ(mxGetN(s.get()), 4u);
    ASSERT_NE(mxGetData(s.get()), nullptr);
#ifdef MEXHOST_TEST_ASAN
    // A plug-in treating it as dense reads past the single stored value.
    EXPECT_DEATH(
        {
            volatile double past = static_cast<const double*>(mxGetData(s.get()))[1];
            (void)past;
        },
        "heap-buffer-overflow");
#endif
}

TEST(Cells, OwnTheirElementsAndLeaveUnassignedOnesNull) {
    const std::size_t before = live_arrays();
    {
        std::vector<Array> elements;
        elements.push_back(scalar(1));
        elements.emplace_back();
        elements.push_back(text("x"));
        elements.emplace_back();
        Array c = cells({2, 2}, std::move(elements));
        EXPECT_EQ(element(mxGetCell(c.get(), 0), 0), 1.0);
        EXPECT_EQ(mxGetCell(c.get(), 1), nullptr);
        EXPECT_TRUE(mxIsChar(mxGetCell(c.get(), 2)));
        EXPECT_EQ(mxGetCell(c.get(), 3), nullptr);
        EXPECT_EQ(mxGetCell(c.get(), 4), nullptr);  // out of range
        EXPECT_EQ(live_arrays(), before + 3);
    }
    EXPECT_EQ(live_arrays(), before) << "destroying a cell must destroy its elements";
}

TEST(Calloc, ZeroedUniqueForZeroBytesAndNullOnOverflow) {
    const std::size_t before = live_blocks();
    auto* p = static_cast<unsigned char*>(mxCalloc(5, 3));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(p[i], 0);
    void* z1 = mxCalloc(0, 8);
    void* z2 = mxCalloc(8, 0);
    EXPECT_NE(z1, nullptr);
    EXPECT_NE(z2, nullptr);
    EXPECT_NE(z1, z2);
    EXPECT_EQ(mxCalloc(std::numeric_limits<std::size_t>::max() / 2 + 1, 2), nullptr);
    mxFree(nullptr);
    mxFree(p);
    mxFree(z1);
    mxFree(z2);
    EXPECT_EQ(live_blocks(), before);
}

TEST(MexErrMsgTxt, AbortsOutsideACall) {
    EXPECT_DEATH(mexErrMsgTxt("no call"), "outside a plug-in call: no call");
}

TEST(Plugin, LoadFailureNamesThePath) {
    try {
        Plugin p("/nonexistent/probe.mexa64");
        FAIL() << "loaded a missing file";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/probe.mexa64"), std::string::npos);
    }
}

// Arrays held by a (possibly nested) cell count too.
std::size_t arrays_in(const mxArray* a) {
    if (!a) return 0;
    std::size_t n = 1;
    if (mxIsCell(a))
        for (std::size_t i = 0; i < mxGetNumberOfElements(a); ++i) n += arrays_in(mxGetCell(a, i));
    return n;
}

class ProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef MEXHOST_PROBE_PLUGIN
        plugin_ = std::make_unique<Plugin>(MEXHOST_PROBE_PLUGIN);
#else
        GTEST_SKIP() << "MEXHOST_PROBE_PLUGIN is not defined for this test executable";
#endif
    }

    // Calls the probe with the command and further inputs, and checks that the
    // host released everything the call made except what it returned.
    Outcome run(const char* command, int nlhs = 1, std::vector<const mxArray*> more = {}) {
        Array cmd = text(command);
        more.insert(more.begin(), cmd.get());
        const auto arrays = static_cast<long>(live_arrays());
        const auto blocks = static_cast<long>(live_blocks());
        Outcome out = plugin_->call(nlhs, more);
        long returned = 0;
        for (const Array& a : out.outputs) returned += static_cast<long>(arrays_in(a.get()));
        EXPECT_EQ(static_cast<long>(live_arrays()) - arrays, returned) << "arrays left behind by " << command;
        EXPECT_EQ(static_cast<long>(live_blocks()), blocks) << "mxCalloc blocks left behind by " << command;
        return out;
    }

    std::unique_ptr<Plugin> plugin_;
};

TEST_F(ProbeTest, GetsMaxNlhsOneOutputSlotsAndExactlyTheInputs) {
    for (int nlhs : {0, 1, 3}) {
        SCOPED_TRACE("nlhs " + std::to_string(nlhs));
        Outcome out = run("return-all", nlhs);
        ASSERT_FALSE(out.failed) << out.message;
        ASSERT_EQ(out.outputs.size(), static_cast<std::size_t>(std::max(nlhs, 1)));
        for (std::size_t i = 0; i < out.outputs.size(); ++i) EXPECT_EQ(element(out.outputs[i].get(), 0), i + 1.0);
        EXPECT_EQ(out.misuse, "");
    }
    Array x = scalar(0);
    Array y = text("y");
    Outcome out = run("nargs", 2, {x.get(), y.get()});
    ASSERT_EQ(out.outputs.size(), 2u);
    EXPECT_EQ(element(out.outputs[0].get(), 0), 2.0);
    EXPECT_EQ(element(out.outputs[0].get(), 1), 3.0);
    EXPECT_EQ(out.outputs[1], nullptr);
}

TEST_F(ProbeTest, ReleasesWhatACallLeavesBehind) {
    Outcome out = run("leave-litter", 2);
    EXPECT_FALSE(out.failed);
    ASSERT_EQ(out.outputs.size(), 2u);
    EXPECT_EQ(out.outputs[0], nullptr);
    EXPECT_EQ(out.outputs[1], nullptr);
    EXPECT_EQ(out.misuse, "");
}

TEST_F(ProbeTest, FailedCallReleasesEverythingIncludingOutputs) {
    Outcome out = run("litter-and-fail");
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.message, "probe: failing on purpose");
    EXPECT_TRUE(out.outputs.empty());
    // The host is usable again after the jump.
    Outcome next = run("return-all");
    EXPECT_FALSE(next.failed);
    EXPECT_EQ(next.message, "");
}

TEST_F(ProbeTest, WhatThePluginFreesItselfIsNotFreedAgain) {
    for (const char* command : {"clean-up", "calloc-zero"}) {
        SCOPED_TRACE(command);
        Outcome out = run(command);
        ASSERT_FALSE(out.failed) << out.message;
        EXPECT_EQ(element(out.outputs.at(0).get(), 0), 1.0);
        EXPECT_EQ(out.misuse, "");
    }
}

TEST_F(ProbeTest, ReturnedCellKeepsItsElementsAndDropsTheDisplacedOne) {
    Outcome out = run("return-cell");
    ASSERT_FALSE(out.failed) << out.message;
    const mxArray* c = out.outputs.at(0).get();
    ASSERT_TRUE(mxIsCell(c));
    EXPECT_EQ(element(mxGetCell(c, 0), 0), 8.0);
    EXPECT_EQ(mxGetCell(c, 1), nullptr);
    EXPECT_EQ(string_of(mxGetCell(c, 2)), "abc");
}

TEST_F(ProbeTest, EscapingExceptionFailsTheCall) {
    Outcome out = run("throw");
    EXPECT_TRUE(out.failed);
    EXPECT_NE(out.message.find("probe threw"), std::string::npos);
    EXPECT_NE(out.misuse.find("exception"), std::string::npos);
}

TEST_F(ProbeTest, FaultInjectionFailsTheKthCallInTheNextCallOnly) {
    Array three = scalar(3);
    fail_nth(Api::Calloc, 1);
    fail_nth(Api::Calloc, 3);
    fail_nth(Api::CreateNumericArray, 2);
    fail_nth(Api::GetString, 3);
    fail_nth(Api::CreateString, 4);  // beyond what the call makes: never fires
    Outcome out = run("call-each", 1, {three.get()});
    ASSERT_FALSE(out.failed) << out.message;
    // Rows in Api order: Calloc, CreateNumericArray, CreateString, GetString.
    const double expected[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {1, 0, 0, 1}};
    const mxArray* failed = out.outputs.at(0).get();
    for (int i = 0; i < 3; ++i)
        for (int api = 0; api < 4; ++api)
            EXPECT_EQ(element(failed, 4 * i + api), expected[i][api]) << "call " << i + 1 << " of api " << api;
    for (Api api : {Api::Calloc, Api::CreateNumericArray, Api::CreateString, Api::GetString})
        EXPECT_EQ(calls_in_last_call(api), 3);

    // Arms do not outlive the call they were set for.
    Array six = scalar(6);
    Outcome again = run("call-each", 1, {six.get()});
    const mxArray* none = again.outputs.at(0).get();
    for (std::size_t k = 0; k < 24; ++k) EXPECT_EQ(element(none, k), 0.0) << k;
    EXPECT_EQ(calls_in_last_call(Api::CreateString), 6);
}

TEST_F(ProbeTest, ReportsMisuseAndCarriesOn) {
    Array cell = cells({1, 1}, {});
    struct Case {
        const char* command;
        int nlhs;
        const char* reported;
    } cases[] = {
        {"free-array-data", 1, "mxFree"},
        {"free-twice", 1, "mxFree"},
        {"destroy-twice", 1, "mxDestroyArray"},
        {"destroy-input", 1, "mxDestroyArray"},
        {"destroy-output", 1, "mxDestroyArray"},
        {"cell-index-out-of-range", 1, "mxGetCell"},
        {"string-from-null", 1, "mxCreateString"},
        {"data-of-null", 1, "mxGetData"},
        {"return-input", 1, "plhs[0]"},
        {"return-twice", 2, "plhs[1]"},
        {"set-cell-of-input", 1, "mxSetCell"},
        {"set-in-two-cells", 1, "mxSetCell"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Outcome out = run(c.command, c.nlhs, {cell.get()});
        EXPECT_FALSE(out.failed) << out.message;
        EXPECT_NE(out.misuse.find(c.reported), std::string::npos) << "misuse: " << out.misuse;
    }
    EXPECT_EQ(mxGetCell(cell.get(), 0), nullptr) << "the plug-in changed an input";

    // What the host refused stays usable: an output the plug-in tried to
    // destroy, and the one copy of an output given twice.
    Outcome destroyed = run("destroy-output");
    EXPECT_EQ(element(destroyed.outputs.at(0).get(), 0), 5.0);
    Outcome twice = run("return-twice", 2);
    EXPECT_NE(twice.outputs.at(0), nullptr);
    EXPECT_EQ(twice.outputs.at(1), nullptr);
    Outcome input = run("return-input");
    EXPECT_EQ(input.outputs.at(0), nullptr);
}

}  // namespace
