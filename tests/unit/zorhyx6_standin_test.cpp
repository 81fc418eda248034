// The stand-in ZORHYX6 behaves as its README.md says: the plug-in tests build
// their expectations on these results, codes and texts.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "zorhyx6.h"
#include "zorhyx6_testing.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kR = 8.314462618;

// n_<name>: the export number of <name> in the table.
#define NUMBER_OF(number, result, name, params) [[maybe_unused]] constexpr int n_##name = number;
ZORHYX6_EXPORTS(NUMBER_OF)
#undef NUMBER_OF

class Zorhyx6 : public ::testing::Test {
protected:
    void SetUp() override { zorhyx6_test_reset(); }
    void TearDown() override { zorhyx6_test_reset(); }
};

std::string error_text() {
    return hyxGETLASTERRORTEXT();
}

// ---- Calling a function of the table through an array of doubles ------------

template <class R, class... A, std::size_t... I>
double call_doubles(R (*f)(A...), const double* a, std::index_sequence<I...>) {
    return static_cast<double>(f(a[I]...));
}

struct WaterCase {
    const char* name;
    int number;
    const char* roles;  // one letter per argument: 'p' a pressure, '.' anything else
    bool returns_long;
    std::function<double(const double*)> call;
};

template <class R, class... A>
WaterCase water_case(const char* name, int number, const char* roles, R (*f)(A...)) {
    EXPECT_EQ(std::string(roles).size(), sizeof...(A)) << name;
    return WaterCase{name, number, roles, std::is_same_v<R, ZORLONG>,
                     [f](const double* a) { return call_doubles(f, a, std::index_sequence_for<A...>{}); }};
}

#define WATER(name, roles) water_case(#name, n_##name, roles, &name)

const std::vector<WaterCase>& water_cases() {
    static const std::vector<WaterCase> cases = {
        WATER(hyxCVEXPANSIONPTXPEFF, "p..p."),
        WATER(hyxTHERMCONDEXPANSIONPTXPEFF, "p..p."),
        WATER(hyxDYNVISEXPANSIONPTXPEFF, "p..p."),
        WATER(hyxPRANDTLEEXPANSIONPTXPEFF, "p..p."),
        WATER(hyxJOULETHOMPSONEXPANSIONPTXPEFF, "p..p."),
        WATER(hyxCVEXPANSIONPTPEFF, "p.p."),
        WATER(hyxTHERMCONDEXPANSIONPTPEFF, "p.p."),
        WATER(hyxDYNVISEXPANSIONPTPEFF, "p.p."),
        WATER(hyxPRANDTLEEXPANSIONPTPEFF, "p.p."),
        WATER(hyxJOULETHOMPSONEXPANSIONPTPEFF, "p.p."),
        WATER(hyxJOULETHOMPSONPTX, "p.."),
        WATER(hyxTHERMCONDPTX, "p.."),
        WATER(hyxPRANDTLEPTX, "p.."),
        WATER(hyxRIRTL, "..."),
        WATER(hyxR3PTR0, "p.."),
        WATER(hyxWATERSTATEAREAPH, "p."),
        WATER(hyxWATERSTATEAREA2, "p."),
        WATER(hyxWATERSTATEAREA, "p."),
        WATER(hyxPHASESTATEPT, "p."),
        WATER(hyxDPDTST, "."),
        WATER(hyxJOULETHOMPSONSST, "."),
    };
    return cases;
}

// E + 1*a1 + 2*a2 + ..., left to right.
double formula(int number, const std::vector<double>& a) {
    double v = number;
    for (std::size_t k = 0; k < a.size(); ++k) v += static_cast<double>(k + 1) * a[k];
    return v;
}

// ---- Water and steam ----------------------------------------------------------

TEST_F(Zorhyx6, SingleResultIsExportNumberPlusPositionWeightedArguments) {
    EXPECT_EQ(hyxTHERMCONDPTX(1, 2, 3), 24 + 1 * 1 + 2 * 2 + 3 * 3);
    EXPECT_EQ(hyxTHERMCONDPTX(3, 2, 1), 24 + 1 * 3 + 2 * 2 + 3 * 1);
    EXPECT_EQ(hyxWATERSTATEAREA(0.5, -100.3), -100);  // 100 + 0.5 - 200.6: toward zero

    const std::vector<double> args = {0.75, 1.25, 2.5, 3.125, 4.0625};
    for (const WaterCase& c : water_cases()) {
        SCOPED_TRACE(c.name);
        const std::size_t n = std::string(c.roles).size();
        std::vector<double> a(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(n));
        std::vector<double> reversed(a.rbegin(), a.rend());
        for (const auto& in : {a, reversed}) {
            hyxSETLASTERROR(99);
            const double expected = c.returns_long ? std::trunc(formula(c.number, in)) : formula(c.number, in);
            EXPECT_EQ(c.call(in.data()), expected);
            EXPECT_EQ(hyxGETLASTERROR(), 0) << "a call that succeeds clears the last error";
            EXPECT_STREQ(hyxGETLASTERRORTEXT(), "");
        }
    }
}

TEST_F(Zorhyx6, RefusalsSetCodeAndTextNamingFunctionAndArgument) {
    struct Case {
        std::function<double()> call;
        bool returns_long;
        ZORLONG code;
        const char* text;
    };
    const Case cases[] = {
        {[] { return hyxTHERMCONDPTX(1, kNaN, 3); }, false, 1,
         "ZORHYX6 hyxTHERMCONDPTX: argument #2 (t) is not a finite number."},
        {[] { return hyxJOULETHOMPSONPTX(1, 2, -kInf); }, false, 1,
         "ZORHYX6 hyxJOULETHOMPSONPTX: argument #3 (x) is not a finite number."},
        {[] { return hyxDPDTST(kInf); }, false, 1, "ZORHYX6 hyxDPDTST: argument #1 (t) is not a finite number."},
        {[] { return hyxTHERMCONDPTX(0, 2, 3); }, false, 2,
         "ZORHYX6 hyxTHERMCONDPTX: argument #1 (p) is not a positive pressure."},
        {[] { return hyxCVEXPANSIONPTXPEFF(1, 2, 3, -0.0, 5); }, false, 2,
         "ZORHYX6 hyxCVEXPANSIONPTXPEFF: argument #4 (p1) is not a positive pressure."},
        {[] { return hyxDYNVISEXPANSIONPTPEFF(-1, 2, 3, 4); }, false, 2,
         "ZORHYX6 hyxDYNVISEXPANSIONPTPEFF: argument #1 (p0) is not a positive pressure."},
        // the first bad argument is named
        {[] { return hyxPRANDTLEPTX(-1, kNaN, kNaN); }, false, 2,
         "ZORHYX6 hyxPRANDTLEPTX: argument #1 (p) is not a positive pressure."},
        {[] { return hyxR3PTR0(1, DBL_MAX, DBL_MAX); }, false, 3,
         "ZORHYX6 hyxR3PTR0: the result is not a finite number."},
        {[] { return hyxPHASESTATEPT(kNaN, 1); }, true, 1,
         "ZORHYX6 hyxPHASESTATEPT: argument #1 (p) is not a finite number."},
        {[] { return hyxWATERSTATEAREA(1, 1.5e9); }, true, 3,
         "ZORHYX6 hyxWATERSTATEAREA: result 3000000101 does not fit a 32-bit integer."},
        {[] { return hyxWATERSTATEAREAPH(1, -1.5e9); }, true, 3,
         "ZORHYX6 hyxWATERSTATEAREAPH: result -2999999832 does not fit a 32-bit integer."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const double result = c.call();
        if (c.returns_long) {
            EXPECT_EQ(result, 0);
        } else {
            EXPECT_TRUE(std::isnan(result));
        }
        EXPECT_EQ(hyxGETLASTERROR(), c.code);
        EXPECT_EQ(error_text(), c.text);
        EXPECT_STREQ(hyxGETLASTERRORDESCRIPTIONW(), c.text);
        EXPECT_EQ(hyxGETLASTERROR(), c.code) << "reading the error keeps it";
    }
    EXPECT_EQ(hyxRIRTL(-1, -2, -3), 327 - 1 - 4 - 9) << "r is no pressure";
    EXPECT_EQ(hyxGETLASTERROR(), 0);
    EXPECT_STREQ(hyxGETLASTERRORDESCRIPTIONW(), "No error.");
}

// Whatever the double, a call either succeeds with the documented value or is
// refused with NaN (0 for a ZORLONG) and a code.
TEST_F(Zorhyx6, AnyDoubleInAnyPositionGivesValueOrRefusal) {
    const double extremes[] = {kNaN, kInf, -kInf, DBL_MAX, -DBL_MAX, 0.0, -0.0, DBL_TRUE_MIN, 2147483647.5, -3e9};
    for (const WaterCase& c : water_cases()) {
        const std::string roles = c.roles;
        for (std::size_t k = 0; k < roles.size(); ++k) {
            for (double x : extremes) {
                SCOPED_TRACE(std::string(c.name) + " argument " + std::to_string(k + 1) + " = " + std::to_string(x));
                std::vector<double> a(roles.size(), 1.0);
                a[k] = x;
                const double result = c.call(a.data());
                const double v = formula(c.number, a);
                ZORLONG code = 0;
                if (!std::isfinite(x))
                    code = 1;
                else if (roles[k] == 'p' && !(x > 0))
                    code = 2;
                else if (!std::isfinite(v) || (c.returns_long && (std::trunc(v) < -2147483648.0 || std::trunc(v) > 2147483647.0)))
                    code = 3;
                EXPECT_EQ(hyxGETLASTERROR(), code);
                if (code != 0) {
                    EXPECT_TRUE(c.returns_long ? result == 0 : std::isnan(result));
                } else {
                    EXPECT_EQ(result, c.returns_long ? std::trunc(v) : v);
                }
            }
        }
    }
}

TEST_F(Zorhyx6, PropertySetFillsFourteenOutputsFromTheValue) {
    double out[14];
    auto fill = [&out](double value) {
        for (double& o : out) o = value;
    };
    auto expect_outputs = [&out](double value) {
        for (int j = 1; j <= 14; ++j) EXPECT_EQ(out[j - 1], value + 1000.0 * j) << "out-parameter " << j;
    };
#define OUTS(o) &o[0], &o[1], &o[2], &o[3], &o[4], &o[5], &o[6], &o[7], &o[8], &o[9], &o[10], &o[11], &o[12], &o[13]

    hyxSETLASTERROR(99);
    EXPECT_EQ(hyxVUSHCVWDERPTPT(2, 3, OUTS(out)), 2 + 2 + 6);
    expect_outputs(10);
    EXPECT_EQ(hyxGETLASTERROR(), 0);
    EXPECT_EQ(hyxVUSHCVWDERPTMSPT(3, 2, OUTS(out)), 314 + 3 + 4);
    expect_outputs(321);
    EXPECT_EQ(hyxVUSHCVWDERPTSST(-5.5, OUTS(out)), 202 - 5.5);
    expect_outputs(196.5);

    // A refusal writes NaN to every output.
    fill(0);
    EXPECT_TRUE(std::isnan(hyxVUSHCVWDERPTPT(0, 3, OUTS(out))));
    EXPECT_EQ(hyxGETLASTERROR(), 2);
    for (double o : out) EXPECT_TRUE(std::isnan(o));

    fill(0);
    EXPECT_TRUE(std::isnan(hyxVUSHCVWDERPTSST(1, &out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &out[6],
                                              &out[7], &out[8], &out[9], &out[10], &out[11], &out[12], nullptr)));
    EXPECT_EQ(hyxGETLASTERROR(), 6);
    EXPECT_EQ(error_text(), "ZORHYX6 hyxVUSHCVWDERPTSST: out-parameter #14 (DHDTp) is a null pointer.");
    for (int j = 0; j < 13; ++j) EXPECT_TRUE(std::isnan(out[j]));
#undef OUTS
}

// ---- Settings and status ----------------------------------------------------------

TEST_F(Zorhyx6, SettersReturnPreviousValueAndKeepThePendingError) {
    struct Setting {
        const char* name;
        std::function<double(double)> set;
        std::function<double()> get;  // null where the library has no reader
        double initial;
    };
    const Setting settings[] = {
        {"tolerance", hyxSETTOLERANCE, hyxGETTOLERANCE, 1e-9},
        {"tolerance mode", [](double v) { return hyxSETTOLERANCEMODE(static_cast<ZORLONG>(v)); }, nullptr, 0},
        {"check range mode", [](double v) { return hyxSETCHECKRANGEMODE(static_cast<ZORLONG>(v)); },
         [] { return static_cast<double>(hyxGETCHECKRANGEMODE()); }, 1},
        {"max iteration", [](double v) { return hyxSETMAXITERATION(static_cast<ZORLONG>(v)); }, nullptr, 100},
        {"delta TS", hyxSETDELTATS, hyxGETDELTATS, 1e-3},
        {"delta pressure", hyxSETDELTAPRESSURE, hyxGETDELTAPRESSURE, 1e-4},
        {"initial steam density", hyxSETINITSTEAMDENSITY, hyxGETINITSTEAMDENSITY, 1.0},
    };
    hyxSETLASTERROR(42);
    for (const Setting& s : settings) {
        SCOPED_TRACE(s.name);
        if (s.get) {
            EXPECT_EQ(s.get(), s.initial);
        }
        EXPECT_EQ(s.set(7), s.initial);
        EXPECT_EQ(s.set(-3), 7);
        if (s.get) {
            EXPECT_EQ(s.get(), -3);
        }
    }
    EXPECT_EQ(hyxGETLASTERROR(), 42);
    EXPECT_EQ(error_text(), "ZORHYX6: error code 42 set by hyxSETLASTERROR.");

    // Stored as given, NaN included; a reset brings the defaults back.
    hyxSETTOLERANCE(kNaN);
    EXPECT_TRUE(std::isnan(hyxGETTOLERANCE()));
    zorhyx6_test_reset();
    for (const Setting& s : settings) EXPECT_EQ(s.set(0), s.initial) << s.name;
    EXPECT_EQ(hyxGETHYXVERSION(), 6.1);
}

TEST_F(Zorhyx6, LastErrorCanBeSetAndDescribed) {
    EXPECT_EQ(hyxGETLASTERROR(), 0);
    EXPECT_STREQ(hyxGETLASTERRORTEXT(), "");
    EXPECT_STREQ(hyxGETLASTERRORDESCRIPTIONW(), "No error.");

    EXPECT_EQ(hyxSETLASTERROR(-17), 0);
    EXPECT_EQ(hyxSETLASTERROR(5), -17);
    EXPECT_EQ(hyxGETLASTERROR(), 5);
    EXPECT_EQ(error_text(), "ZORHYX6: error code 5 set by hyxSETLASTERROR.");
    EXPECT_STREQ(hyxGETLASTERRORDESCRIPTIONW(), "ZORHYX6: error code 5 set by hyxSETLASTERROR.");

    zorhyx6_test_description_null(1);
    EXPECT_EQ(hyxGETLASTERRORDESCRIPTIONW(), nullptr);
    EXPECT_EQ(hyxGETLASTERROR(), 5);
    zorhyx6_test_description_null(0);
    EXPECT_NE(hyxGETLASTERRORDESCRIPTIONW(), nullptr);

    EXPECT_EQ(hyxSETLASTERROR(0), 5);
    EXPECT_STREQ(hyxGETLASTERRORTEXT(), "");
    EXPECT_STREQ(hyxGETLASTERRORDESCRIPTIONW(), "No error.");

    zorhyx6_test_description_null(1);
    zorhyx6_test_reset();
    EXPECT_NE(hyxGETLASTERRORDESCRIPTIONW(), nullptr) << "a reset turns the hook off";
}

// ---- Gases ------------------------------------------------------------------------

constexpr double kMN2 = 28.0134;
constexpr double kMO2 = 31.9988;

TEST_F(Zorhyx6, GasLifecycle) {
    EXPECT_EQ(hyxgNEWIDNAME("N2"), 1);
    EXPECT_EQ(hyxgNEWID(), 2);
    EXPECT_EQ(hyxgNEWIDNAME("O2"), 3);
    EXPECT_EQ(hyxgIDNAME("O2"), 3);
    EXPECT_EQ(hyxgMMID(1), kMN2);

    EXPECT_TRUE(std::isnan(hyxgMMID(2)));
    EXPECT_EQ(hyxGETLASTERROR(), 7);
    EXPECT_EQ(error_text(), "ZORHYX6 hyxgMMID: gas 2 is empty.");

    // Gas 2: 3 volumes of N2 and 1 of O2.
    EXPECT_EQ(hyxgADDGASV(2, 1, 3.0), 1);
    EXPECT_EQ(hyxgADDGASV(2, 3, 1.0), 2);
    EXPECT_EQ(hyxGETLASTERROR(), 0);
    const double m2 = 0.75 * kMN2 + 0.25 * kMO2;
    EXPECT_DOUBLE_EQ(hyxgMMID(2), m2);
    EXPECT_DOUBLE_EQ(hyxgVFIDID(2, 1), 0.75);
    EXPECT_DOUBLE_EQ(hyxgVFIDID(2, 3), 0.25);
    EXPECT_DOUBLE_EQ(hyxgVFIDID(1, 2), 1.0);
    EXPECT_DOUBLE_EQ(hyxgVFIDID(3, 1), 0.0);
    EXPECT_DOUBLE_EQ(hyxgCVIDT(2, 300), kR / m2 * (2.5 + 0.3));
    EXPECT_NE(hyxgCVIDT(2, 400), hyxgCVIDT(2, 300));
    EXPECT_NE(hyxgCVIDT(1, 300), hyxgCVIDT(2, 300));

    // Texts: a component name, or an existing gas of that name first.
    EXPECT_DOUBLE_EQ(hyxgGCGS("CO2"), kR / 44.0095);
    EXPECT_EQ(hyxgCVGST("N2", 300), hyxgCVIDT(1, 300));
    EXPECT_EQ(hyxgVFGSGS("N2", "O2"), 0.0);
    EXPECT_EQ(hyxgADDGASV(1, 3, 1.0), 2);  // the gas "N2" is now half O2
    EXPECT_DOUBLE_EQ(hyxgVFGSGS("N2", "O2"), 0.5);
    EXPECT_DOUBLE_EQ(hyxgGCGS("N2"), kR / (0.5 * kMN2 + 0.5 * kMO2));
    EXPECT_DOUBLE_EQ(hyxgVFGSGS("CO2", "N2"), 0.0);

    EXPECT_EQ(hyxgDELETEGASID(1), 2);
    EXPECT_TRUE(std::isnan(hyxgMMID(1)));
    EXPECT_EQ(hyxGETLASTERROR(), 4);
    EXPECT_EQ(error_text(), "ZORHYX6 hyxgMMID: unknown gas identifier 1.");
    EXPECT_EQ(hyxgIDNAME("N2"), 0);
    EXPECT_EQ(hyxGETLASTERROR(), 5);
    EXPECT_DOUBLE_EQ(hyxgGCGS("N2"), kR / kMN2) << "the component again, once the gas is gone";

    EXPECT_EQ(hyxgNEWIDNAME("N2"), 4) << "ids are never reused";
    EXPECT_EQ(hyxgIDNAME("N2"), 4);
    EXPECT_EQ(hyxgDELETEGASES(), 3);
    EXPECT_EQ(hyxgDELETEGASES(), 0);
    EXPECT_EQ(hyxgNEWID(), 5);

    zorhyx6_test_reset();
    EXPECT_EQ(hyxgNEWID(), 1);
}

TEST_F(Zorhyx6, GasRefusals) {
    ASSERT_EQ(hyxgNEWIDNAME("N2"), 1);  // gas 1: N2
    ASSERT_EQ(hyxgNEWID(), 2);          // gas 2: empty
    struct Case {
        std::function<double()> call;
        ZORLONG code;
        std::string text;
    };
    const Case cases[] = {
        {[] { return hyxgGCGS(nullptr); }, 6, "ZORHYX6 hyxgGCGS: argument #1 (gas) is a null pointer."},
        {[] { return hyxgCVGST(nullptr, 1); }, 6, "ZORHYX6 hyxgCVGST: argument #1 (gas) is a null pointer."},
        {[] { return hyxgVFGSGS("N2", nullptr); }, 6,
         "ZORHYX6 hyxgVFGSGS: argument #2 (gas_looked_for) is a null pointer."},
        {[] { return hyxgNEWIDNAME(nullptr); }, 6, "ZORHYX6 hyxgNEWIDNAME: argument #1 (name) is a null pointer."},
        {[] { return hyxgIDNAME(nullptr); }, 6, "ZORHYX6 hyxgIDNAME: argument #1 (name) is a null pointer."},
        {[] { return hyxgGCGS("n2"); }, 5, "ZORHYX6 hyxgGCGS: unknown gas \"n2\"."},
        {[] { return hyxgNEWIDNAME(""); }, 5, "ZORHYX6 hyxgNEWIDNAME: unknown gas \"\"."},
        {[] { return hyxgVFGSGS("N2x", "N2"); }, 5, "ZORHYX6 hyxgVFGSGS: unknown gas \"N2x\"."},
        {[] { return hyxgCVGST("O2", kNaN); }, 1, "ZORHYX6 hyxgCVGST: argument #2 (t) is not a finite number."},
        {[] { return hyxgCVIDT(1, -kInf); }, 1, "ZORHYX6 hyxgCVIDT: argument #2 (t) is not a finite number."},
        {[] { return hyxgCVIDT(2, 1); }, 7, "ZORHYX6 hyxgCVIDT: gas 2 is empty."},
        {[] { return hyxgVFIDID(2, 1); }, 7, "ZORHYX6 hyxgVFIDID: gas 2 is empty."},
        {[] { return hyxgVFIDID(1, 9); }, 4, "ZORHYX6 hyxgVFIDID: unknown gas identifier 9."},
        {[] { return hyxgMMID(0); }, 4, "ZORHYX6 hyxgMMID: unknown gas identifier 0."},
        {[] { return hyxgMMID(INT32_MIN); }, 4, "ZORHYX6 hyxgMMID: unknown gas identifier -2147483648."},
        {[] { return hyxgDELETEGASID(INT32_MAX); }, 4,
         "ZORHYX6 hyxgDELETEGASID: unknown gas identifier 2147483647."},
        {[] { return hyxgADDGASV(7, 1, 1); }, 4, "ZORHYX6 hyxgADDGASV: unknown gas identifier 7."},
        {[] { return hyxgADDGASV(2, 2, 1); }, 7, "ZORHYX6 hyxgADDGASV: gas 2 is empty."},
        {[] { return hyxgADDGASV(2, 1, 0); }, 3, "ZORHYX6 hyxgADDGASV: argument #3 (volume) is not positive."},
        {[] { return hyxgADDGASV(2, 1, -1); }, 3, "ZORHYX6 hyxgADDGASV: argument #3 (volume) is not positive."},
        {[] { return hyxgADDGASV(2, 1, kNaN); }, 1,
         "ZORHYX6 hyxgADDGASV: argument #3 (volume) is not a finite number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const double result = c.call();
        EXPECT_TRUE(result == 0 || std::isnan(result));
        EXPECT_EQ(hyxGETLASTERROR(), c.code);
        EXPECT_EQ(error_text(), c.text);
    }

    // A volume that would overflow leaves the gas as it was.
    EXPECT_EQ(hyxgADDGASV(1, 1, DBL_MAX), 1);
    EXPECT_EQ(hyxgADDGASV(1, 1, DBL_MAX), 0);
    EXPECT_EQ(hyxGETLASTERROR(), 3);
    EXPECT_EQ(error_text(), "ZORHYX6 hyxgADDGASV: the volume of gas 1 would not be finite.");
    EXPECT_EQ(hyxgMMID(1), kMN2);
    EXPECT_EQ(hyxGETLASTERROR(), 0);
}

// ---- Journal ----------------------------------------------------------------------

TEST_F(Zorhyx6, JournalRecordsCallsInOrderWithTheirArguments) {
    hyxTHERMCONDPTX(1, 2, 3);
    EXPECT_EQ(zorhyx6_test_journal_size(), 0) << "off by default";

    zorhyx6_test_journal(1);
    char name[] = "N2";
    double out[14];
    hyxTHERMCONDPTX(1.5, -2, kNaN);
    hyxgNEWIDNAME(name);
    name[0] = 'O';  // the journal keeps its own copy
    hyxgADDGASV(1, -7, 0.25);
    hyxGETLASTERROR();
    hyxGETLASTERRORTEXT();
    hyxgGCGS(nullptr);
    hyxVUSHCVWDERPTSST(7, &out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &out[7], &out[8],
                       &out[9], &out[10], &out[11], &out[12], &out[13]);
    zorhyx6_test_journal(0);
    hyxgDELETEGASES();

    const int exports[] = {24, 436, 442, 236, 237, 415, 202};
    const int argcs[] = {3, 1, 3, 0, 0, 1, 1};
    ASSERT_EQ(zorhyx6_test_journal_size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(zorhyx6_test_journal_export(i), exports[i]) << i;
        EXPECT_EQ(zorhyx6_test_journal_argc(i), argcs[i]) << i;
    }
    EXPECT_EQ(zorhyx6_test_journal_number(0, 0), 1.5);
    EXPECT_EQ(zorhyx6_test_journal_number(0, 1), -2);
    EXPECT_TRUE(std::isnan(zorhyx6_test_journal_number(0, 2)));
    EXPECT_EQ(zorhyx6_test_journal_text(0, 0), nullptr);
    EXPECT_STREQ(zorhyx6_test_journal_text(1, 0), "N2");
    EXPECT_TRUE(std::isnan(zorhyx6_test_journal_number(1, 0)));
    EXPECT_EQ(zorhyx6_test_journal_number(2, 0), 1);
    EXPECT_EQ(zorhyx6_test_journal_number(2, 1), -7);
    EXPECT_EQ(zorhyx6_test_journal_number(2, 2), 0.25);
    EXPECT_EQ(zorhyx6_test_journal_text(5, 0), nullptr) << "a null text stays null";
    EXPECT_TRUE(std::isnan(zorhyx6_test_journal_number(5, 0)));
    EXPECT_EQ(zorhyx6_test_journal_number(6, 0), 7);

    // Out of range
    EXPECT_EQ(zorhyx6_test_journal_export(7), -1);
    EXPECT_EQ(zorhyx6_test_journal_export(-1), -1);
    EXPECT_EQ(zorhyx6_test_journal_argc(7), -1);
    EXPECT_TRUE(std::isnan(zorhyx6_test_journal_number(0, 3)));
    EXPECT_TRUE(std::isnan(zorhyx6_test_journal_number(3, 0)));
    EXPECT_EQ(zorhyx6_test_journal_text(1, 1), nullptr);
    EXPECT_EQ(zorhyx6_test_journal_text(-1, 0), nullptr);

    zorhyx6_test_journal(1);
    EXPECT_EQ(zorhyx6_test_journal_size(), 0) << "starting clears";
    hyxGETTOLERANCE();
    zorhyx6_test_reset();
    EXPECT_EQ(zorhyx6_test_journal_size(), 0);
    hyxGETTOLERANCE();
    EXPECT_EQ(zorhyx6_test_journal_size(), 0) << "a reset stops recording";
}

TEST_F(Zorhyx6, InjectedFailureComesAfterTheCallsWorkOnce) {
    ASSERT_EQ(hyxgNEWIDNAME("N2"), 1);
    zorhyx6_test_fail_next(439);
    EXPECT_EQ(hyxgNEWID(), 2) << "another export does not fail";
    EXPECT_EQ(hyxGETLASTERROR(), 0);
    EXPECT_EQ(hyxgDELETEGASES(), 2);
    EXPECT_EQ(hyxGETLASTERROR(), 9);
    EXPECT_EQ(error_text(), "ZORHYX6 hyxgDELETEGASES: failure injected by zorhyx6_test_fail_next.");
    EXPECT_EQ(hyxgDELETEGASES(), 0) << "the gases went all the same, and it fails once";
    EXPECT_EQ(hyxGETLASTERROR(), 0);

    zorhyx6_test_fail_next(230);
    EXPECT_EQ(hyxGETTOLERANCE(), 1e-9);
    EXPECT_EQ(hyxGETLASTERROR(), 9);

    zorhyx6_test_fail_next(237);
    EXPECT_STREQ(hyxGETLASTERRORTEXT(), "ZORHYX6 hyxGETLASTERRORTEXT: failure injected by zorhyx6_test_fail_next.");

    zorhyx6_test_fail_next(24);
    zorhyx6_test_reset();
    EXPECT_EQ(hyxTHERMCONDPTX(1, 2, 3), 38);
    EXPECT_EQ(hyxGETLASTERROR(), 0) << "a reset disarms";
}

// Every export of the table, called with zeros and null pointers, is safe and
// journaled under its own number with its input arguments counted.
template <class T>
constexpr int is_input = std::is_same_v<T, double*> ? 0 : 1;

template <class R, class... A>
int call_with_zeros(R (*f)(A...)) {
    f(A{}...);
    return (0 + ... + is_input<A>);
}

TEST_F(Zorhyx6, EveryExportIsJournaledUnderItsNumber) {
    struct Called {
        const char* name;
        int number;
        int argc;
    };
    std::vector<Called> called;
    zorhyx6_test_journal(1);
#define CALL(number, result, name, params) called.push_back(Called{#name, number, call_with_zeros(&name)});
    ZORHYX6_EXPORTS(CALL)
#undef CALL
    zorhyx6_test_journal(0);
    ASSERT_EQ(zorhyx6_test_journal_size(), static_cast<int>(called.size()));
    for (std::size_t i = 0; i < called.size(); ++i) {
        SCOPED_TRACE(called[i].name);
        EXPECT_EQ(zorhyx6_test_journal_export(static_cast<int>(i)), called[i].number);
        EXPECT_EQ(zorhyx6_test_journal_argc(static_cast<int>(i)), called[i].argc);
    }
}

}  // namespace
