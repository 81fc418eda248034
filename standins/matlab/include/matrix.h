/* The array and memory interface of our MEX host, written from MATLAB's
 * public documentation of the C Matrix API. Only what a plug-in or a test
 * needs is declared. Sizes and indices are the large-array kind (size_t),
 * as in MATLAB's 64-bit API. */
#ifndef MEXHOST_MATRIX_H
#define MEXHOST_MATRIX_H

#include <stddef.h>
#include <stdbool.h>
#include <stdint.h>

#if defined(_WIN32)
#  if defined(MEXHOST_BUILDING)
#    define MEXHOST_API __declspec(dllexport)
#  else
#    define MEXHOST_API __declspec(dllimport)
#  endif
#else
#  define MEXHOST_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef size_t mwSize;
typedef size_t mwIndex;
typedef ptrdiff_t mwSignedIndex;
typedef uint16_t mxChar;

typedef struct mxArray_tag mxArray;

typedef enum {
    mxUNKNOWN_CLASS = 0,
    mxCELL_CLASS,
    mxSTRUCT_CLASS,
    mxLOGICAL_CLASS,
    mxCHAR_CLASS,
    mxVOID_CLASS,
    mxDOUBLE_CLASS,
    mxSINGLE_CLASS,
    mxINT8_CLASS,
    mxUINT8_CLASS,
    mxINT16_CLASS,
    mxUINT16_CLASS,
    mxINT32_CLASS,
    mxUINT32_CLASS,
    mxINT64_CLASS,
    mxUINT64_CLASS,
    mxFUNCTION_CLASS
} mxClassID;

typedef enum { mxREAL = 0, mxCOMPLEX } mxComplexity;

MEXHOST_API mxClassID mxGetClassID(const mxArray *pa);
MEXHOST_API bool mxIsChar(const mxArray *pa);
MEXHOST_API bool mxIsCell(const mxArray *pa);
MEXHOST_API bool mxIsSparse(const mxArray *pa);
MEXHOST_API bool mxIsComplex(const mxArray *pa);
MEXHOST_API void *mxGetData(const mxArray *pa);
MEXHOST_API void *mxGetImagData(const mxArray *pa);
MEXHOST_API size_t mxGetNumberOfElements(const mxArray *pa);
MEXHOST_API mwSize mxGetNumberOfDimensions(const mxArray *pa);
MEXHOST_API const mwSize *mxGetDimensions(const mxArray *pa);
MEXHOST_API size_t mxGetM(const mxArray *pa);
MEXHOST_API size_t mxGetN(const mxArray *pa);
MEXHOST_API mxArray *mxGetCell(const mxArray *pa, mwIndex i);
MEXHOST_API void mxSetCell(mxArray *pa, mwIndex i, mxArray *value);
MEXHOST_API int mxGetString(const mxArray *pa, char *buf, mwSize buflen);
MEXHOST_API mxArray *mxCreateNumericArray(mwSize ndim, const mwSize *dims, mxClassID classid, mxComplexity flag);
MEXHOST_API mxArray *mxCreateString(const char *str);
MEXHOST_API mxArray *mxCreateCharArray(mwSize ndim, const mwSize *dims);
MEXHOST_API mxArray *mxCreateCellArray(mwSize ndim, const mwSize *dims);
MEXHOST_API mxArray *mxCreateLogicalArray(mwSize ndim, const mwSize *dims);
MEXHOST_API mxArray *mxCreateSparse(mwSize m, mwSize n, mwSize nzmax, mxComplexity flag);
MEXHOST_API mxArray *mxCreateStructArray(mwSize ndim, const mwSize *dims, int nfields, const char **fieldnames);
MEXHOST_API void mxDestroyArray(mxArray *pa);
MEXHOST_API void *mxCalloc(size_t n, size_t size);
MEXHOST_API void mxFree(void *ptr);

#ifdef __cplusplus
}
#endif

#endif
