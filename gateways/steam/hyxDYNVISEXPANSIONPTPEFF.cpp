// hyxDYNVISEXPANSIONPTPEFF: the library's dynamic viscosity for an expansion.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxDYNVISEXPANSIONPTPEFF>({"p0", "t0", "p1", "eff"}, hyx::kCheckErrors);
