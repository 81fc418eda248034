// hyxPRANDTLEEXPANSIONPTPEFF: the library's Prandtl number for an expansion.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxPRANDTLEEXPANSIONPTPEFF>({"p0", "t0", "p1", "eff"}, hyx::kCheckErrors);
