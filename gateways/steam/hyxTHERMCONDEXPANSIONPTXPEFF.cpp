// hyxTHERMCONDEXPANSIONPTXPEFF: the library's thermal conductivity for an expansion.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxTHERMCONDEXPANSIONPTXPEFF>({"p0", "t0", "x0", "p1", "eff"}, hyx::kCheckErrors);
