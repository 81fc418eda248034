// hyxSETDELTATS: sets the library's delta TS.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxSETDELTATS>({"delta"}, hyx::kNoErrorCheck);
