/* Extra exports of the stand-in ZORHYX6, for tests only: put the library back
 * to its start and see which exports were called, with which arguments, in
 * which order. The real library has none of these.
 *
 * Indices i (calls) and k (arguments) start at 0. Out of range, the readers
 * answer -1 (export, argc), NaN (number) or a null pointer (text).
 */
#ifndef ZORHYX6_TESTING_H
#define ZORHYX6_TESTING_H

#include "zorhyx6.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Settings, last error, gases (ids start at 1 again) and hooks back to their
   start: journal stopped and cleared, no failure armed. */
ZORHYX6_API void zorhyx6_test_reset(void);

/* on != 0: clear the journal and record every call of a table export from now
   on (236, 237 and 299 included). on == 0: stop recording, keep the entries. */
ZORHYX6_API void zorhyx6_test_journal(int on);

ZORHYX6_API int zorhyx6_test_journal_size(void);
/* Export number of call i. */
ZORHYX6_API int zorhyx6_test_journal_export(int i);
/* Number of input arguments of call i; out-pointers are not counted. */
ZORHYX6_API int zorhyx6_test_journal_argc(int i);
/* Numeric argument k of call i (a ZORLONG as double); NaN for a text. */
ZORHYX6_API double zorhyx6_test_journal_number(int i, int k);
/* The journal's own copy of text argument k of call i; null for a number and
   for a null text pointer. Valid until the journal is cleared. */
ZORHYX6_API const char *zorhyx6_test_journal_text(int i, int k);

/* The next call of the export numbered export_number does its work and
   returns its usual result, and then sets last error code 9 with the text
   "ZORHYX6 <name>: failure injected by zorhyx6_test_fail_next." (237 and 299
   set it first, and return it). One export at a time: a new call replaces the
   armed one; 0 disarms. */
ZORHYX6_API void zorhyx6_test_fail_next(int export_number);

/* While on != 0, export 299 (hyxGETLASTERRORDESCRIPTIONW) returns a null
   pointer. */
ZORHYX6_API void zorhyx6_test_description_null(int on);

#ifdef __cplusplus
}
#endif

#endif
