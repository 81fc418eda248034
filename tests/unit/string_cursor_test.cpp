// The string cursors: char matrices split into rows, cell arrays taken cell
// by cell, and every way they refuse an input.
#include "failure.hpp"
#include "messages.hpp"
#include "string_cursors.hpp"
#include "support.hpp"

namespace {

using namespace hyxtest;
using mexhost::Api;
using mexhost::Dims;

struct Walk {
    std::vector<std::string> texts;  // GetValue at each element
    Dims dims;
    std::string failure;              // the message, if construction or a step failed
};

// Walks the cursor for input over its elements (and two steps past the last),
// inside a call of our host so that its text memory is reclaimed.
Walk WalkText(const mxArray* input) {
    Walk walk;
    const std::string misuse = mexhost::as_call([&] {
        try {
            CZORConvert2String cursor(input);
            const mwSize* d = cursor.GetDimensions();
            walk.dims.assign(d, d + cursor.GetNumberOfDimensions());
            for (std::size_t k = 0; k < cursor.GetCount(); ++k, cursor.Next()) walk.texts.push_back(cursor.GetValue());
        } catch (const hyx::Failure& f) {
            walk.failure = f.Text();
        }
    });
    EXPECT_EQ(misuse, "");
    return walk;
}

Array Cells(const Dims& dims, std::vector<Array> elements) { return mexhost::cells(dims, std::move(elements)); }

struct TextCase {
    const char* what;
    Array input;
    std::vector<std::string> texts;
    Dims dims;
};

TEST(StringCursor, SplitsCharMatricesIntoRowsAndTakesCellsAsTheyStand) {
    TextCase cases[] = {
        {"trailing blanks cut", mexhost::text("abc  "), {"abc"}, {1, 1}},
        {"one text per row; a row of blanks is empty", mexhost::char_rows({"ab  ", "cdef", "    "}),
         {"ab", "cdef", ""}, {1, 3}},
        {"a column: one character per row", mexhost::chars({4, 1}, "wxyz"), {"w", "x", "y", "z"}, {1, 4}},
        {"N-D: the columns are all dimensions after the first", mexhost::chars({2, 2, 2}, "abcdefgh"),
         {"aceg", "bdfh"}, {1, 2}},
        {"no columns: empty texts", mexhost::chars({2, 0}, ""), {"", ""}, {1, 2}},
        {"leading and inner blanks stay, and a tab is no blank", mexhost::text(" a b\t"), {" a b\t"}, {1, 1}},
        {"no rows: no texts", mexhost::chars({0, 0}, ""), {}, {1, 0}},
        {"cells keep their blanks and their shape", Cells({2, 1}, Inputs(mexhost::text("ab  "), mexhost::text("xyz"))),
         {"ab  ", "xyz"}, {2, 1}},
        {"a char matrix in a cell is one text, column-major", Cells({1, 1}, Inputs(mexhost::char_rows({"ab", "cd"}))),
         {"acbd"}, {1, 1}},
        {"an empty cell array has no texts", Cells({0, 0}, {}), {}, {0, 0}},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Walk walk = WalkText(c.input.get());
        EXPECT_EQ(walk.failure, "");
        EXPECT_EQ(walk.texts, c.texts);
        EXPECT_EQ(walk.dims, c.dims);
    }
}

TEST(StringCursor, StaysOnTheLastTextAndKeepsEarlierTextsValid) {
    const Array rows = mexhost::char_rows({"ab", "cd"});
    const Array cells = Cells({1, 2}, Inputs(mexhost::text("x"), mexhost::text("y")));
    for (const mxArray* input : std::vector<const mxArray*>{rows.get(), cells.get()}) {
        mexhost::as_call([&] {
            CZORConvert2String cursor(input);
            const char* first = cursor.GetValue();
            cursor.Next();
            for (int k = 0; k < 3; ++k) cursor.Next();
            EXPECT_STREQ(first, input == rows.get() ? "ab" : "x");
            EXPECT_STREQ(cursor.GetValue(), input == rows.get() ? "cd" : "y");
        });
        // The cell cursor took two texts and no more after its last cell.
        if (input == cells.get()) {
            EXPECT_EQ(mexhost::calls_in_last_call(Api::GetString), 2);
        }
    }
}

TEST(StringCursor, RefusesWhatIsNotText) {
    struct Refusal {
        const char* what;
        Array input;
        const char* message;
    } cases[] = {
        {"number", mexhost::scalar(5), hyx::msg::kNotCharsOrCells},
        {"logical", mexhost::logicals({1, 1}), hyx::msg::kNotCharsOrCells},
        {"struct", mexhost::structure(), hyx::msg::kNotCharsOrCells},
        {"a number in a cell", Cells({1, 2}, Inputs(mexhost::text("a"), mexhost::scalar(5))), hyx::msg::kCellNotText},
        {"an unassigned cell", Cells({1, 2}, Inputs(mexhost::text("a"))), hyx::msg::kCellNotText},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WalkText(c.input.get()).failure, c.message);
        // All cells are looked at before any text is taken.
        EXPECT_EQ(mexhost::calls_in_last_call(Api::Calloc), 0);
    }
    const Array number = mexhost::scalar(1);
    mexhost::as_call([&] {
        EXPECT_THROW(CZORConvert2StringFromChar{number.get()}, hyx::Failure);
        EXPECT_THROW(CZORConvert2StringFromCell{number.get()}, hyx::Failure);
        try {
            CZORConvert2StringFromChar{number.get()};
        } catch (const hyx::Failure& f) {
            EXPECT_STREQ(f.Text(), hyx::msg::kNotChars);
        }
        try {
            CZORConvert2StringFromCell{number.get()};
        } catch (const hyx::Failure& f) {
            EXPECT_STREQ(f.Text(), hyx::msg::kNotCells);
        }
    });
}

// Each allocation and each conversion the cursors ask of MATLAB, made to fail.
TEST(StringCursor, ReportsTheHostFailingItAtEveryStep) {
    const Array rows = mexhost::char_rows({"ab", "cd"});
    const Array cells = Cells({1, 2}, Inputs(mexhost::text("x"), mexhost::text("y")));
    struct Fault {
        const char* what;
        const mxArray* input;
        Api api;
        int k;
        const char* message;
        std::size_t texts_before;  // texts read before the failure
    } faults[] = {
        {"whole-matrix buffer", rows.get(), Api::Calloc, 1, hyx::msg::kNoMemory, 0},
        {"row table", rows.get(), Api::Calloc, 2, hyx::msg::kNoMemory, 0},
        {"second row", rows.get(), Api::Calloc, 4, hyx::msg::kNoMemory, 0},
        {"matrix conversion", rows.get(), Api::GetString, 1, hyx::msg::kGetStringFailed, 0},
        {"first cell's memory", cells.get(), Api::Calloc, 1, hyx::msg::kNoMemory, 0},
        {"first cell's conversion", cells.get(), Api::GetString, 1, hyx::msg::kGetStringFailed, 0},
        {"second cell's memory, on Next", cells.get(), Api::Calloc, 2, hyx::msg::kNoMemory, 1},
        {"second cell's conversion, on Next", cells.get(), Api::GetString, 2, hyx::msg::kGetStringFailed, 1},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.what);
        mexhost::fail_nth(f.api, f.k);
        const Walk walk = WalkText(f.input);
        EXPECT_EQ(walk.failure, f.message);
        EXPECT_EQ(walk.texts.size(), f.texts_before);
    }
}

class TextInputs : public LibraryTest {};

TEST_F(TextInputs, ShapeAndPairingFollowTheTexts) {
    const Array three_rows = mexhost::char_rows({"N2 ", "O2 ", "Ar "});
    Outcome out = Call("hyxgGCGS", 1, {three_rows.get()});
    ASSERT_FALSE(out.failed) << out.message;
    EXPECT_EQ(mexhost::dims_of(out.outputs[0].get()), (Dims{1, 3}));

    const Array grid = Cells({2, 2}, Inputs(mexhost::text("N2"), mexhost::text("O2"), mexhost::text("CO2"), mexhost::text("Ar")));
    out = Call("hyxgGCGS", 1, {grid.get()});
    ASSERT_FALSE(out.failed) << out.message;
    EXPECT_EQ(mexhost::dims_of(out.outputs[0].get()), (Dims{2, 2}));

    zorhyx6_test_journal(1);
    const Array gases = Cells({2, 1}, Inputs(mexhost::text("N2"), mexhost::text("O2")));
    const Array t = mexhost::row({300, 400});
    out = Call("hyxgCVGST", 1, {gases.get(), t.get()});
    ASSERT_FALSE(out.failed) << out.message;
    EXPECT_EQ(mexhost::dims_of(out.outputs[0].get()), (Dims{2, 1}));
    const auto calls = CallsOf(409);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].texts[0], "N2");
    EXPECT_EQ(calls[0].numbers[1], 300);
    EXPECT_EQ(calls[1].texts[0], "O2");
    EXPECT_EQ(calls[1].numbers[1], 400);
}

TEST_F(TextInputs, RefusesTextInputsWithoutElementsAfterEveryClass) {
    const Array none = Cells({0, 0}, {});
    const Array rowless = mexhost::chars({0, 0}, "");
    const Array t = mexhost::scalar(300);
    EXPECT_EQ(Call("hyxgCVGST", 1, {none.get(), mexhost::logicals({1, 1}).get()}).message,
              "Function hyxgCVGST requires 2 input argument (t) be type of numeric. Try to use MATLAB function "
              "'double(x), int32(x), int64() etc'.");
    EXPECT_EQ(Call("hyxgCVGST", 1, {none.get(), t.get()}).message,
              "Function hyxgCVGST requires input argument #1 be type of const char. Try to use MATLAB's type "
              "conversion functions.");
    EXPECT_EQ(Call("hyxgVFGSGS", 1, {mexhost::text("N2").get(), rowless.get()}).message,
              "Function hyxgVFGSGS requires input argument #2 be type of const char. Try to use MATLAB's type "
              "conversion functions.");
    EXPECT_EQ(Call("hyxgCVGST", 1, {mexhost::text("N2").get(), mexhost::row({}).get()}).message,
              "Function hyxgCVGST can't process zero size of elements in arguments arrays.");
    EXPECT_TRUE(Journal().empty());
}

TEST_F(TextInputs, ACellFailingMidwayEndsTheCallAfterItsPredecessors) {
    const Array gases = Cells({1, 3}, Inputs(mexhost::text("N2"), mexhost::text("O2"), mexhost::text("Ar")));
    mexhost::fail_nth(Api::Calloc, 3);
    Outcome out = Call("hyxgGCGS", 1, {gases.get()});
    EXPECT_EQ(out.message, hyx::msg::kNoMemory);
    EXPECT_EQ(CallsOf(415).size(), 2u);
    EXPECT_TRUE(out.misuse.empty()) << out.misuse;
}

TEST_F(TextInputs, IdentifiersReturnAsTheSameLongInAnyClass) {
    Outcome made = Call("hyxgNEWIDNAME", 1, {mexhost::text("N2").get()});
    ASSERT_FALSE(made.failed) << made.message;
    const double id = mexhost::element(made.outputs[0].get(), 0);
    zorhyx6_test_journal(1);
    const Array as_double = mexhost::scalar(id), as_uint8 = mexhost::numeric(mxUINT8_CLASS, {1, 1}, {id});
    for (const mxArray* input : std::vector<const mxArray*>{made.outputs[0].get(), as_double.get(), as_uint8.get()})
        EXPECT_FALSE(Call("hyxgMMID", 1, {input}).failed);
    for (const LibraryCall& c : CallsOf(412)) EXPECT_EQ(c.numbers, std::vector<double>{id});
}

TEST_F(TextInputs, DeletingStopsAtTheUnknownIdentifierAndKeepsWhatWasDone) {
    const ZORLONG first = hyxgNEWID(), third = hyxgNEWID();
    const Array ids = mexhost::numeric(mxINT32_CLASS, {1, 3}, {double(first), 99, double(third)});
    Outcome out = Call("hyxgDELETEGASID", 1, {ids.get()});
    EXPECT_EQ(out.message, "ZORHYX6 hyxgDELETEGASID: unknown gas identifier 99.");
    EXPECT_EQ(CallsOf(438).size(), 2u);
    hyxgMMID(first);
    EXPECT_EQ(hyxGETLASTERROR(), 4);  // unknown: deleted
    hyxgMMID(third);
    EXPECT_EQ(hyxGETLASTERROR(), 7);  // empty, but still there
}

}  // namespace
