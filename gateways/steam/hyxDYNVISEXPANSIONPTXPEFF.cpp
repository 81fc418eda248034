// hyxDYNVISEXPANSIONPTXPEFF: the library's dynamic viscosity for an expansion.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxDYNVISEXPANSIONPTXPEFF>({"p0", "t0", "x0", "p1", "eff"}, hyx::kCheckErrors);
