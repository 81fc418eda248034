// Every plug-in against its catalogue row: its name in its messages, its
// parameters and their names, its result, the export it calls and whether it
// checks the library's error.
#include "support.hpp"

namespace {

using namespace hyxtest;

enum class Driver { Elementwise, PropertySet, Parameterless };
enum class Kind { Double, Int32, String };

struct Param {
    const char* name;
    double value;                // the value of a numeric parameter in the valid call
    const char* text = nullptr;  // set for a text parameter
};

struct Row {
    const char* name;
    int number;
    std::vector<Param> inputs;
    Kind result;
    bool check;
    Driver driver = Driver::Elementwise;
};

using D = Driver;
using K = Kind;

// Gases 1 (N2) and 2 (O2) exist when the valid call is made.
const Row kCatalogue[] = {
    {"hyxCVEXPANSIONPTXPEFF", 75, {{"p0", 2}, {"t0", 3}, {"x0", 4}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxTHERMCONDEXPANSIONPTXPEFF", 77, {{"p0", 2}, {"t0", 3}, {"x0", 4}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxDYNVISEXPANSIONPTXPEFF", 79, {{"p0", 2}, {"t0", 3}, {"x0", 4}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxPRANDTLEEXPANSIONPTXPEFF", 80, {{"p0", 2}, {"t0", 3}, {"x0", 4}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxJOULETHOMPSONEXPANSIONPTXPEFF", 82, {{"p0", 2}, {"t0", 3}, {"x0", 4}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxCVEXPANSIONPTPEFF", 61, {{"p0", 2}, {"t0", 3}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxTHERMCONDEXPANSIONPTPEFF", 63, {{"p0", 2}, {"t0", 3}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxDYNVISEXPANSIONPTPEFF", 65, {{"p0", 2}, {"t0", 3}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxPRANDTLEEXPANSIONPTPEFF", 66, {{"p0", 2}, {"t0", 3}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxJOULETHOMPSONEXPANSIONPTPEFF", 68, {{"p0", 2}, {"t0", 3}, {"p1", 5}, {"eff", 6}}, K::Double, true},
    {"hyxJOULETHOMPSONPTX", 23, {{"p", 2}, {"t", 3}, {"x", 4}}, K::Double, true},
    {"hyxTHERMCONDPTX", 24, {{"p", 2}, {"t", 3}, {"x", 4}}, K::Double, true},
    {"hyxPRANDTLEPTX", 26, {{"p", 2}, {"t", 3}, {"x", 4}}, K::Double, true},
    {"hyxRIRTL", 327, {{"r", 2}, {"t", 3}, {"wavelength", 4}}, K::Double, true},
    {"hyxR3PTR0", 123, {{"p", 2}, {"t", 3}, {"r0", 4}}, K::Double, true},
    {"hyxWATERSTATEAREAPH", 167, {{"p", 2}, {"h", 3}}, K::Int32, true},
    {"hyxWATERSTATEAREA2", 101, {{"p", 2}, {"t", 3}}, K::Int32, true},
    {"hyxWATERSTATEAREA", 100, {{"p", 2}, {"t", 3}}, K::Int32, true},
    {"hyxPHASESTATEPT", 253, {{"p", 2}, {"t", 3}}, K::Int32, true},
    {"hyxDPDTST", 170, {{"t", 3}}, K::Double, true},
    {"hyxJOULETHOMPSONSST", 188, {{"t", 3}}, K::Double, true},
    {"hyxVUSHCVWDERPTMSPT", 314, {{"p", 2}, {"t", 3}}, K::Double, true, D::PropertySet},
    {"hyxVUSHCVWDERPTPT", 2, {{"p", 2}, {"t", 3}}, K::Double, true, D::PropertySet},
    {"hyxVUSHCVWDERPTSST", 202, {{"t", 3}}, K::Double, true, D::PropertySet},
    {"hyxgADDGASV", 442, {{"id_target", 1}, {"id_source", 2}, {"volume", 0.5}}, K::Int32, true},
    {"hyxgCVIDT", 408, {{"id", 1}, {"t", 300}}, K::Double, true},
    {"hyxgCVGST", 409, {{"gas", 0, "N2"}, {"t", 300}}, K::Double, true},
    {"hyxgVFIDID", 432, {{"id_looked", 1}, {"id_looked_for", 2}}, K::Double, true},
    {"hyxgVFGSGS", 430, {{"gas_looked", 0, "N2"}, {"gas_looked_for", 0, "O2"}}, K::Double, true},
    {"hyxgMMID", 412, {{"id", 1}}, K::Double, true},
    {"hyxgGCGS", 415, {{"gas", 0, "N2"}}, K::Double, true},
    {"hyxgNEWIDNAME", 436, {{"name", 0, "CO2"}}, K::Int32, true},
    {"hyxgIDNAME", 434, {{"name", 0, "N2"}}, K::Int32, true},
    {"hyxgDELETEGASID", 438, {{"id", 2}}, K::Int32, true},
    {"hyxgNEWID", 435, {}, K::Int32, true, D::Parameterless},
    {"hyxgDELETEGASES", 439, {}, K::Int32, true, D::Parameterless},
    {"hyxgGETCALCDISSMODE", 307, {}, K::Int32, false, D::Parameterless},
    {"hyxGETABSOLUTEGASCONSTANT", 303, {}, K::Double, false, D::Parameterless},
    {"hyxSETTOLERANCEMODE", 231, {{"mode", 3}}, K::Int32, false},
    {"hyxSETCHECKRANGEMODE", 233, {{"mode", 3}}, K::Int32, false},
    {"hyxSETTOLERANCE", 229, {{"tolerance", 0.5}}, K::Double, false},
    {"hyxSETLASTERROR", 235, {{"ErrCode", 3}}, K::Int32, false},
    {"hyxSETMAXITERATION", 242, {{"maxiteration", 3}}, K::Int32, false},
    {"hyxSETDELTATS", 240, {{"delta", 0.5}}, K::Double, false},
    {"hyxSETDELTAPRESSURE", 244, {{"delta", 0.5}}, K::Double, false},
    {"hyxSETINITSTEAMDENSITY", 248, {{"r", 0.5}}, K::Double, false},
    {"hyxGETLASTERROR", 236, {}, K::Int32, false, D::Parameterless},
    {"hyxGETINITSTEAMDENSITY", 249, {}, K::Double, false, D::Parameterless},
    {"hyxGETTOLERANCE", 230, {}, K::Double, false, D::Parameterless},
    {"hyxGETDELTAPRESSURE", 245, {}, K::Double, false, D::Parameterless},
    {"hyxGETDELTATS", 241, {}, K::Double, false, D::Parameterless},
    {"hyxGETLASTERRORDESCRIPTIONW", 299, {}, K::String, false, D::Parameterless},
    {"hyxGETHYXVERSION", 250, {}, K::Double, false, D::Parameterless},
    {"hyxGETCHECKRANGEMODE", 234, {}, K::Int32, false, D::Parameterless},
};

class Catalogue : public LibraryTest, public ::testing::WithParamInterface<Row> {
protected:
    std::vector<Array> ValidInputs() const {
        std::vector<Array> inputs;
        for (const Param& p : GetParam().inputs)
            inputs.push_back(p.text ? mexhost::text(p.text) : mexhost::scalar(p.value));
        return inputs;
    }
    int Outputs() const { return GetParam().driver == Driver::PropertySet ? 15 : 1; }
};

std::string Name(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }

TEST_P(Catalogue, InputCountMessage) {
    const Row& row = GetParam();
    std::vector<Array> inputs = ValidInputs();
    inputs.push_back(mexhost::scalar(1));
    const std::size_t n = row.inputs.size();
    EXPECT_EQ(Call(row.name, 1, Pointers(inputs)).message,
              "Function " + std::string(row.name) + " requires " + std::to_string(n) +
                  (n >= 2 ? " input arguments." : " input argument."));
}

TEST_P(Catalogue, EachInputRefusesAWrongClassByPositionAndName) {
    const Row& row = GetParam();
    for (std::size_t i = 0; i < row.inputs.size(); ++i) {
        SCOPED_TRACE(row.inputs[i].name);
        std::vector<Array> inputs = ValidInputs();
        inputs[i] = mexhost::logicals({1, 1});
        const std::string expected =
            row.inputs[i].text ? "Can't initialize string parameter. It must be mxArray of cells or mxArray of chars."
                               : "Function " + std::string(row.name) + " requires " + std::to_string(i + 1) +
                                     " input argument (" + row.inputs[i].name +
                                     ") be type of numeric. Try to use MATLAB function 'double(x), int32(x), int64() etc'.";
        EXPECT_EQ(Call(row.name, Outputs(), Pointers(inputs)).message, expected);
    }
    EXPECT_TRUE(Journal().empty());
}

TEST_P(Catalogue, CallsItsExportWithItsArgumentsAndChecksAsTold) {
    const Row& row = GetParam();
    hyxgNEWIDNAME("N2");
    hyxgNEWIDNAME("O2");
    const std::vector<Array> inputs = ValidInputs();
    zorhyx6_test_journal(1);
    Outcome out = Call(row.name, Outputs(), Pointers(inputs));
    ASSERT_FALSE(out.failed) << out.message;

    const mxArray* result = out.outputs.at(0).get();
    switch (row.result) {
        case Kind::Double: EXPECT_EQ(mxGetClassID(result), mxDOUBLE_CLASS); break;
        case Kind::Int32: EXPECT_EQ(mxGetClassID(result), mxINT32_CLASS); break;
        case Kind::String: EXPECT_TRUE(mxIsChar(result)); break;
    }
    if (row.result != Kind::String) {
        EXPECT_EQ(mexhost::dims_of(result), (mexhost::Dims{1, 1}));
    }

    const std::vector<LibraryCall> calls = Journal();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].number, row.number);
    ASSERT_EQ(calls[0].numbers.size(), row.inputs.size());
    for (std::size_t k = 0; k < row.inputs.size(); ++k) {
        if (row.inputs[k].text) {
            EXPECT_EQ(calls[0].texts[k], row.inputs[k].text);
        } else {
            EXPECT_EQ(calls[0].numbers[k], row.inputs[k].value);
        }
    }
    // With the check: the last error code, and nothing more on success.
    // Without: no look at the library's error at all.
    const std::vector<int> expected =
        row.check ? std::vector<int>{row.number, 236} : std::vector<int>{row.number};
    EXPECT_EQ(Exports(), expected);
}

TEST_P(Catalogue, OutputMessage) {
    const Row& row = GetParam();
    const std::vector<Array> inputs = ValidInputs();
    const bool text = row.result == Kind::String;
    mexhost::fail_nth(text ? mexhost::Api::CreateString : mexhost::Api::CreateNumericArray, 1);
    const char* type = text ? "string" : row.result == Kind::Int32 ? "mxINT32_CLASS" : "mxDOUBLE_CLASS";
    EXPECT_EQ(Call(row.name, Outputs(), Pointers(inputs)).message,
              "Function " + std::string(row.name) + ": can't create output matrix with type " + type + ".");
}

INSTANTIATE_TEST_SUITE_P(AllPlugins, Catalogue, ::testing::ValuesIn(kCatalogue), Name);

}  // namespace
