/* The MEX interface of our host: the entry point a plug-in provides and the
 * calls it makes into the host, written from MATLAB's public documentation. */
#ifndef MEXHOST_MEX_H
#define MEXHOST_MEX_H

#include "matrix.h"

/* libmex's own exports; matrix.h's belong to libmx. */
#if defined(_WIN32)
#  if defined(MEXHOST_BUILDING_MEX)
#    define MEXHOST_MEX_API __declspec(dllexport)
#  else
#    define MEXHOST_MEX_API __declspec(dllimport)
#  endif
#else
#  define MEXHOST_MEX_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Provided by every plug-in. */
void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]);

/* Reports the text as the call's error and does not return: the call ends
   here, and the host releases what the call took from mxCalloc and the
   arrays it created and did not return. */
MEXHOST_MEX_API void mexErrMsgTxt(const char *message);

#ifdef __cplusplus
}
#endif

#endif
