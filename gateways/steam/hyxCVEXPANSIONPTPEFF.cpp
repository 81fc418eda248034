// hyxCVEXPANSIONPTPEFF: the library's Cv for an expansion.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxCVEXPANSIONPTPEFF>({"p0", "t0", "p1", "eff"}, hyx::kCheckErrors);
