// Water and steam exports of the stand-in. Each computes
//     value = E + 1*a1 + 2*a2 + ... + n*an
// from its export number E and its numeric arguments, left to right in
// double, so that a swapped, dropped or misconverted argument changes the
// result. The build turns off floating-point contraction so the value is the
// same on every platform.
#include <cmath>
#include <limits>

#include "standin.hpp"

namespace zorhyx6 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// What the table's text gives: the pressures, and the inputs' names before the
// out-parameters.
static_assert(x_hyxCVEXPANSIONPTXPEFF.pressure_mask == 0b01001u);
static_assert(x_hyxRIRTL.pressure_mask == 0u);
static_assert(x_hyxVUSHCVWDERPTPT.pressure_mask == 0b01u);
static_assert(name_is(parameter_name(x_hyxVUSHCVWDERPTPT.params, 1), "t"));
static_assert(name_is(parameter_name(x_hyxVUSHCVWDERPTSST.params, 0), "t"));

// Checks the arguments in order (finite; a pressure also > 0), then computes
// the value. False, with the last error set, on refusal.
bool water_value(const Export& e, const double* a, int n, double& value) {
    for (int k = 0; k < n; ++k) {
        if (!std::isfinite(a[k])) {
            refuse_argument(e, k, kNotFinite, "is not a finite number");
            return false;
        }
        if (((e.pressure_mask >> k) & 1u) && !(a[k] > 0)) {
            refuse_argument(e, k, kNotPositivePressure, "is not a positive pressure");
            return false;
        }
    }
    double v = e.number;
    for (int k = 0; k < n; ++k) {
        const double term = (k + 1) * a[k];
        v += term;
    }
    if (!std::isfinite(v)) {
        refuse(e, kOutOfRange, "the result is not a finite number");
        return false;
    }
    value = v;
    return true;
}

template <class... A>
double water_double(const Export& e, A... args) {
    const Call call = enter(e, args...);
    const double a[] = {args...};
    double v;
    if (!water_value(e, a, static_cast<int>(sizeof...(A)), v)) return kNaN;
    succeed();
    return v;
}

// The value truncated toward zero; refused unless it fits 32 bits.
template <class... A>
ZORLONG water_long(const Export& e, A... args) {
    const Call call = enter(e, args...);
    const double a[] = {args...};
    double v;
    if (!water_value(e, a, static_cast<int>(sizeof...(A)), v)) return 0;
    const double t = std::trunc(v);
    if (!(t >= -2147483648.0 && t <= 2147483647.0)) {
        refuse(e, kOutOfRange, "result " + number_text(v) + " does not fit a 32-bit integer");
        return 0;
    }
    succeed();
    return static_cast<ZORLONG>(t);
}

constexpr int kPropertyCount = 14;

#define ZORHYX6_STANDIN_NAME(name) #name,
constexpr const char* kPropertyNames[kPropertyCount] = {ZORHYX6_PROPERTIES(ZORHYX6_STANDIN_NAME)};
#undef ZORHYX6_STANDIN_NAME

// Out-parameter j (1..14) receives value + 1000*j. On refusal every non-null
// out-parameter receives NaN.
template <class... A>
double property_set(const Export& e, double* const (&out)[kPropertyCount], A... args) {
    const Call call = enter(e, args...);
    const double a[] = {args...};
    double v;
    bool ok = water_value(e, a, static_cast<int>(sizeof...(A)), v);
    for (int j = 0; ok && j < kPropertyCount; ++j) {
        if (out[j] == nullptr) {
            refuse(e, kNullPointer,
                   "out-parameter #" + std::to_string(j + 1) + " (" + kPropertyNames[j] + ") is a null pointer");
            ok = false;
        }
    }
    for (int j = 0; j < kPropertyCount; ++j)
        if (out[j]) *out[j] = ok ? v + 1000.0 * (j + 1) : kNaN;
    if (!ok) return kNaN;
    succeed();
    return v;
}

}  // namespace
}  // namespace zorhyx6

using namespace zorhyx6;

double hyxCVEXPANSIONPTXPEFF(double p0, double t0, double x0, double p1, double eff) {
    return water_double(x_hyxCVEXPANSIONPTXPEFF, p0, t0, x0, p1, eff);
}

double hyxTHERMCONDEXPANSIONPTXPEFF(double p0, double t0, double x0, double p1, double eff) {
    return water_double(x_hyxTHERMCONDEXPANSIONPTXPEFF, p0, t0, x0, p1, eff);
}

double hyxDYNVISEXPANSIONPTXPEFF(double p0, double t0, double x0, double p1, double eff) {
    return water_double(x_hyxDYNVISEXPANSIONPTXPEFF, p0, t0, x0, p1, eff);
}

double hyxPRANDTLEEXPANSIONPTXPEFF(double p0, double t0, double x0, double p1, double eff) {
    return water_double(x_hyxPRANDTLEEXPANSIONPTXPEFF, p0, t0, x0, p1, eff);
}

double hyxJOULETHOMPSONEXPANSIONPTXPEFF(double p0, double t0, double x0, double p1, double eff) {
    return water_double(x_hyxJOULETHOMPSONEXPANSIONPTXPEFF, p0, t0, x0, p1, eff);
}

double hyxCVEXPANSIONPTPEFF(double p0, double t0, double p1, double eff) {
    return water_double(x_hyxCVEXPANSIONPTPEFF, p0, t0, p1, eff);
}

double hyxTHERMCONDEXPANSIONPTPEFF(double p0, double t0, double p1, double eff) {
    return water_double(x_hyxTHERMCONDEXPANSIONPTPEFF, p0, t0, p1, eff);
}

double hyxDYNVISEXPANSIONPTPEFF(double p0, double t0, double p1, double eff) {
    return water_double(x_hyxDYNVISEXPANSIONPTPEFF, p0, t0, p1, eff);
}

double hyxPRANDTLEEXPANSIONPTPEFF(double p0, double t0, double p1, double eff) {
    return water_double(x_hyxPRANDTLEEXPANSIONPTPEFF, p0, t0, p1, eff);
}

double hyxJOULETHOMPSONEXPANSIONPTPEFF(double p0, double t0, double p1, double eff) {
    return water_double(x_hyxJOULETHOMPSONEXPANSIONPTPEFF, p0, t0, p1, eff);
}

double hyxJOULETHOMPSONPTX(double p, double t, double x) {
    return water_double(x_hyxJOULETHOMPSONPTX, p, t, x);
}

double hyxTHERMCONDPTX(double p, double t, double x) {
    return water_double(x_hyxTHERMCONDPTX, p, t, x);
}

double hyxPRANDTLEPTX(double p, double t, double x) {
    return water_double(x_hyxPRANDTLEPTX, p, t, x);
}

double hyxRIRTL(double r, double t, double wavelength) {
    return water_double(x_hyxRIRTL, r, t, wavelength);
}

double hyxR3PTR0(double p, double t, double r0) {
    return water_double(x_hyxR3PTR0, p, t, r0);
}

ZORLONG hyxWATERSTATEAREAPH(double p, double h) {
    return water_long(x_hyxWATERSTATEAREAPH, p, h);
}

ZORLONG hyxWATERSTATEAREA2(double p, double t) {
    return water_long(x_hyxWATERSTATEAREA2, p, t);
}

ZORLONG hyxWATERSTATEAREA(double p, double t) {
    return water_long(x_hyxWATERSTATEAREA, p, t);
}

ZORLONG hyxPHASESTATEPT(double p, double t) {
    return water_long(x_hyxPHASESTATEPT, p, t);
}

double hyxDPDTST(double t) {
    return water_double(x_hyxDPDTST, t);
}

double hyxJOULETHOMPSONSST(double t) {
    return water_double(x_hyxJOULETHOMPSONSST, t);
}

// The out-pointers in parameter order, as the table names them.
#define ZORHYX6_STANDIN_OUT(name) name,

double hyxVUSHCVWDERPTMSPT(double p, double t ZORHYX6_PROPERTY_SET_OUT) {
    return property_set(x_hyxVUSHCVWDERPTMSPT,
                        {ZORHYX6_PROPERTIES(ZORHYX6_STANDIN_OUT)}, p, t);
}

double hyxVUSHCVWDERPTPT(double p, double t ZORHYX6_PROPERTY_SET_OUT) {
    return property_set(x_hyxVUSHCVWDERPTPT,
                        {ZORHYX6_PROPERTIES(ZORHYX6_STANDIN_OUT)}, p, t);
}

double hyxVUSHCVWDERPTSST(double t ZORHYX6_PROPERTY_SET_OUT) {
    return property_set(x_hyxVUSHCVWDERPTSST,
                        {ZORHYX6_PROPERTIES(ZORHYX6_STANDIN_OUT)}, t);
}

#undef ZORHYX6_STANDIN_OUT
