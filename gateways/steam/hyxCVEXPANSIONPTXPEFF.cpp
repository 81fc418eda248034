// hyxCVEXPANSIONPTXPEFF: the library's Cv for an expansion.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxCVEXPANSIONPTXPEFF>({"p0", "t0", "x0", "p1", "eff"}, hyx::kCheckErrors);
