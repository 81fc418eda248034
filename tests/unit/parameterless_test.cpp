// The parameterless gateway: one library call, a 1-by-1 result or a string.
#include "support.hpp"

namespace {

using namespace hyxtest;

class Parameterless : public LibraryTest {};

TEST_F(Parameterless, RefusesInputsThenExtraOutputs) {
    const Array empty = mexhost::row({});
    for (int nlhs : {0, 1, 2}) {
        SCOPED_TRACE(nlhs);
        EXPECT_EQ(Call("hyxGETTOLERANCE", nlhs, {empty.get()}).message,
                  "Function hyxGETTOLERANCE requires 0 input argument.");
    }
    EXPECT_EQ(Call("hyxGETTOLERANCE", 2, {}).message, "Function hyxGETTOLERANCE requires 0 or 1 output argument.");
    EXPECT_EQ(Call("hyxGETLASTERRORDESCRIPTIONW", 0, {empty.get()}).message,
              "Function hyxGETLASTERRORDESCRIPTIONW requires 0 input argument.");
    EXPECT_EQ(Call("hyxGETLASTERRORDESCRIPTIONW", 2, {}).message,
              "Function hyxGETLASTERRORDESCRIPTIONW requires 0 or 1 output argument.");
    EXPECT_TRUE(Journal().empty());
}

TEST_F(Parameterless, ReportsAResultItCouldNotCreate) {
    mexhost::fail_nth(mexhost::Api::CreateNumericArray, 1);
    EXPECT_EQ(Call("hyxGETTOLERANCE", 1, {}).message,
              "Function hyxGETTOLERANCE: can't create output matrix with type mxDOUBLE_CLASS.");
    mexhost::fail_nth(mexhost::Api::CreateNumericArray, 1);
    EXPECT_EQ(Call("hyxgNEWID", 1, {}).message, "Function hyxgNEWID: can't create output matrix with type mxINT32_CLASS.");
    mexhost::fail_nth(mexhost::Api::CreateString, 1);
    EXPECT_EQ(Call("hyxGETLASTERRORDESCRIPTIONW", 1, {}).message,
              "Function hyxGETLASTERRORDESCRIPTIONW: can't create output matrix with type string.");
}

TEST_F(Parameterless, ReturnsOneByOneAlsoWithoutOutputs) {
    hyxSETDELTATS(0.25);
    Outcome out = Call("hyxGETDELTATS", 0, {});
    ASSERT_FALSE(out.failed) << out.message;
    ASSERT_EQ(out.outputs.size(), 1u);
    EXPECT_EQ(mexhost::dims_of(out.outputs[0].get()), (mexhost::Dims{1, 1}));
    EXPECT_EQ(mexhost::element(out.outputs[0].get(), 0), 0.25);
}

// Readers answer while an error is pending and never look at it; the last
// error code itself is a value, not a failure.
TEST_F(Parameterless, ReadersIgnoreThePendingError) {
    hyxSETLASTERROR(-3);
    zorhyx6_test_journal(1);
    Outcome code = Call("hyxGETLASTERROR", 1, {});
    ASSERT_FALSE(code.failed) << code.message;
    EXPECT_EQ(mxGetClassID(code.outputs[0].get()), mxINT32_CLASS);
    EXPECT_EQ(mexhost::element(code.outputs[0].get(), 0), -3);
    Outcome version = Call("hyxGETHYXVERSION", 1, {});
    ASSERT_FALSE(version.failed) << version.message;
    EXPECT_EQ(mexhost::element(version.outputs[0].get(), 0), 6.1);
    EXPECT_EQ(Exports(), (std::vector<int>{236, 250}));
}

TEST_F(Parameterless, LibraryTextBecomesAString) {
    hyxSETLASTERROR(4);
    Outcome out = Call("hyxGETLASTERRORDESCRIPTIONW", 1, {});
    ASSERT_FALSE(out.failed) << out.message;
    EXPECT_TRUE(mxIsChar(out.outputs[0].get()));
    char text[128];
    mxGetString(out.outputs[0].get(), text, sizeof text);
    EXPECT_STREQ(text, "ZORHYX6: error code 4 set by hyxSETLASTERROR.");
}

TEST_F(Parameterless, NoTextFromTheLibraryGivesAnEmptyString) {
    zorhyx6_test_description_null(1);
    Outcome out = Call("hyxGETLASTERRORDESCRIPTIONW", 1, {});
    ASSERT_FALSE(out.failed) << out.message;
    EXPECT_TRUE(mxIsChar(out.outputs[0].get()));
    EXPECT_EQ(mxGetNumberOfElements(out.outputs[0].get()), 0u);
}

TEST_F(Parameterless, CheckedCallsStopWithTheLibraryTextAndKeepTheirEffect) {
    hyxgNEWIDNAME("N2");
    zorhyx6_test_fail_next(439);
    Outcome out = Call("hyxgDELETEGASES", 1, {});
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(Exports(), (std::vector<int>{436, 439, 236, 237}));
    EXPECT_EQ(out.message, hyxGETLASTERRORTEXT());
    EXPECT_EQ(hyxgIDNAME("N2"), 0);  // deleted all the same

    zorhyx6_test_fail_next(435);
    out = Call("hyxgNEWID", 1, {});
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.message, "ZORHYX6 hyxgNEWID: failure injected by zorhyx6_test_fail_next.");
}

}  // namespace
