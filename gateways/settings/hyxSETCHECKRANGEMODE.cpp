// hyxSETCHECKRANGEMODE: sets the library's range-check mode.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxSETCHECKRANGEMODE>({"mode"}, hyx::kNoErrorCheck);
