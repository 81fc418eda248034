/* The exports of the property library ZORHYX6 that the plug-ins bind.
 *
 * This table is the only place where an export's number, name and signature
 * are written. Everything else is generated from it:
 *   - the C declarations below, which the plug-ins call and the stand-in
 *     library defines;
 *   - the Windows module definition (cmake/ZorhyxDef.cmake reads the lines of
 *     this table), from which the import library binds every function by
 *     ordinal alone;
 *   - the compile-time lookup from a function to its number and name
 *     (zorhyx6_exports.hpp).
 *
 * Keep one export per line, in the form
 *   ZORHYX6_EXPORT(number, result type, name, (parameters))
 *
 * "long" in the library's interface is a 32-bit signed integer on every
 * platform, also where the platform's own long is wider: ZORLONG.
 */
#ifndef ZORHYX6_H
#define ZORHYX6_H

#include <stdint.h>

typedef int32_t ZORLONG;

/* The fourteen properties that the property-set functions return through
 * out-parameters, in parameter order. */
#define ZORHYX6_PROPERTIES(X) \
    X(v) X(u) X(s) X(h) X(Cv) X(w) X(DVDPt) X(DUDPt) X(DSDPt) X(DHDPt) X(DVDTp) X(DUDTp) X(DSDTp) X(DHDTp)

#define ZORHYX6_OUT_PARAMETER(name) , double *name
#define ZORHYX6_PROPERTY_SET_OUT ZORHYX6_PROPERTIES(ZORHYX6_OUT_PARAMETER)

#define ZORHYX6_EXPORTS(ZORHYX6_EXPORT)                                                                          \
    /* water and steam: single result */                                                                         \
    ZORHYX6_EXPORT(75, double, hyxCVEXPANSIONPTXPEFF, (double p0, double t0, double x0, double p1, double eff))           \
    ZORHYX6_EXPORT(77, double, hyxTHERMCONDEXPANSIONPTXPEFF, (double p0, double t0, double x0, double p1, double eff))    \
    ZORHYX6_EXPORT(79, double, hyxDYNVISEXPANSIONPTXPEFF, (double p0, double t0, double x0, double p1, double eff))       \
    ZORHYX6_EXPORT(80, double, hyxPRANDTLEEXPANSIONPTXPEFF, (double p0, double t0, double x0, double p1, double eff))     \
    ZORHYX6_EXPORT(82, double, hyxJOULETHOMPSONEXPANSIONPTXPEFF, (double p0, double t0, double x0, double p1, double eff)) \
    ZORHYX6_EXPORT(61, double, hyxCVEXPANSIONPTPEFF, (double p0, double t0, double p1, double eff))                       \
    ZORHYX6_EXPORT(63, double, hyxTHERMCONDEXPANSIONPTPEFF, (double p0, double t0, double p1, double eff))                \
    ZORHYX6_EXPORT(65, double, hyxDYNVISEXPANSIONPTPEFF, (double p0, double t0, double p1, double eff))                   \
    ZORHYX6_EXPORT(66, double, hyxPRANDTLEEXPANSIONPTPEFF, (double p0, double t0, double p1, double eff))                 \
    ZORHYX6_EXPORT(68, double, hyxJOULETHOMPSONEXPANSIONPTPEFF, (double p0, double t0, double p1, double eff))            \
    ZORHYX6_EXPORT(23, double, hyxJOULETHOMPSONPTX, (double p, double t, double x))                                     \
    ZORHYX6_EXPORT(24, double, hyxTHERMCONDPTX, (double p, double t, double x))                                         \
    ZORHYX6_EXPORT(26, double, hyxPRANDTLEPTX, (double p, double t, double x))                                          \
    ZORHYX6_EXPORT(327, double, hyxRIRTL, (double r, double t, double wavelength))                                      \
    ZORHYX6_EXPORT(123, double, hyxR3PTR0, (double p, double t, double r0))                                             \
    ZORHYX6_EXPORT(167, ZORLONG, hyxWATERSTATEAREAPH, (double p, double h))                                             \
    ZORHYX6_EXPORT(101, ZORLONG, hyxWATERSTATEAREA2, (double p, double t))                                              \
    ZORHYX6_EXPORT(100, ZORLONG, hyxWATERSTATEAREA, (double p, double t))                                               \
    ZORHYX6_EXPORT(253, ZORLONG, hyxPHASESTATEPT, (double p, double t))                                                 \
    ZORHYX6_EXPORT(170, double, hyxDPDTST, (double t))                                                                  \
    ZORHYX6_EXPORT(188, double, hyxJOULETHOMPSONSST, (double t))                                                        \
    /* water and steam: function value and fourteen properties */                                               \
    ZORHYX6_EXPORT(314, double, hyxVUSHCVWDERPTMSPT, (double p, double t ZORHYX6_PROPERTY_SET_OUT))                    \
    ZORHYX6_EXPORT(2, double, hyxVUSHCVWDERPTPT, (double p, double t ZORHYX6_PROPERTY_SET_OUT))                        \
    ZORHYX6_EXPORT(202, double, hyxVUSHCVWDERPTSST, (double t ZORHYX6_PROPERTY_SET_OUT))                               \
    /* gases */                                                                                                  \
    ZORHYX6_EXPORT(442, ZORLONG, hyxgADDGASV, (ZORLONG id_target, ZORLONG id_source, double volume))                    \
    ZORHYX6_EXPORT(408, double, hyxgCVIDT, (ZORLONG id, double t))                                                      \
    ZORHYX6_EXPORT(409, double, hyxgCVGST, (const char *gas, double t))                                                 \
    ZORHYX6_EXPORT(432, double, hyxgVFIDID, (ZORLONG id_looked, ZORLONG id_looked_for))                                 \
    ZORHYX6_EXPORT(430, double, hyxgVFGSGS, (const char *gas_looked, const char *gas_looked_for))                       \
    ZORHYX6_EXPORT(412, double, hyxgMMID, (ZORLONG id))                                                                 \
    ZORHYX6_EXPORT(415, double, hyxgGCGS, (const char *gas))                                                            \
    ZORHYX6_EXPORT(436, ZORLONG, hyxgNEWIDNAME, (const char *name))                                                     \
    ZORHYX6_EXPORT(434, ZORLONG, hyxgIDNAME, (const char *name))                                                        \
    ZORHYX6_EXPORT(438, ZORLONG, hyxgDELETEGASID, (ZORLONG id))                                                         \
    ZORHYX6_EXPORT(435, ZORLONG, hyxgNEWID, (void))                                                                     \
    ZORHYX6_EXPORT(439, ZORLONG, hyxgDELETEGASES, (void))                                                               \
    ZORHYX6_EXPORT(307, ZORLONG, hyxgGETCALCDISSMODE, (void))                                                           \
    ZORHYX6_EXPORT(303, double, hyxGETABSOLUTEGASCONSTANT, (void))                                                      \
    /* settings and status */                                                                                    \
    ZORHYX6_EXPORT(231, ZORLONG, hyxSETTOLERANCEMODE, (ZORLONG mode))                                                   \
    ZORHYX6_EXPORT(233, ZORLONG, hyxSETCHECKRANGEMODE, (ZORLONG mode))                                                  \
    ZORHYX6_EXPORT(229, double, hyxSETTOLERANCE, (double tolerance))                                                    \
    ZORHYX6_EXPORT(235, ZORLONG, hyxSETLASTERROR, (ZORLONG ErrCode))                                                    \
    ZORHYX6_EXPORT(242, ZORLONG, hyxSETMAXITERATION, (ZORLONG maxiteration))                                            \
    ZORHYX6_EXPORT(240, double, hyxSETDELTATS, (double delta))                                                          \
    ZORHYX6_EXPORT(244, double, hyxSETDELTAPRESSURE, (double delta))                                                    \
    ZORHYX6_EXPORT(248, double, hyxSETINITSTEAMDENSITY, (double r))                                                     \
    ZORHYX6_EXPORT(236, ZORLONG, hyxGETLASTERROR, (void))                                                               \
    ZORHYX6_EXPORT(237, const char *, hyxGETLASTERRORTEXT, (void))                                                      \
    ZORHYX6_EXPORT(249, double, hyxGETINITSTEAMDENSITY, (void))                                                         \
    ZORHYX6_EXPORT(230, double, hyxGETTOLERANCE, (void))                                                                \
    ZORHYX6_EXPORT(245, double, hyxGETDELTAPRESSURE, (void))                                                            \
    ZORHYX6_EXPORT(241, double, hyxGETDELTATS, (void))                                                                  \
    ZORHYX6_EXPORT(299, const char *, hyxGETLASTERRORDESCRIPTIONW, (void))                                              \
    ZORHYX6_EXPORT(250, double, hyxGETHYXVERSION, (void))                                                               \
    ZORHYX6_EXPORT(234, ZORLONG, hyxGETCHECKRANGEMODE, (void))

/* The stand-in library defines ZORHYX6_BUILDING to export what it defines. */
#if defined(_WIN32)
#  if defined(ZORHYX6_BUILDING)
#    define ZORHYX6_API __declspec(dllexport)
#  else
     /* No dllimport: the import library's stubs keep every function's
        address a constant, so a gateway description can name it. */
#    define ZORHYX6_API
#  endif
#else
#  define ZORHYX6_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define ZORHYX6_DECLARE(number, result, name, params) ZORHYX6_API result name params;
ZORHYX6_EXPORTS(ZORHYX6_DECLARE)
#undef ZORHYX6_DECLARE

#ifdef __cplusplus
}
#endif

#endif
