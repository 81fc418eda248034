// hyxPRANDTLEEXPANSIONPTXPEFF: the library's Prandtl number for an expansion.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxPRANDTLEEXPANSIONPTXPEFF>({"p0", "t0", "x0", "p1", "eff"}, hyx::kCheckErrors);
