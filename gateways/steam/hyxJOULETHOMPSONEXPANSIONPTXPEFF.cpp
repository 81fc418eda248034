// hyxJOULETHOMPSONEXPANSIONPTXPEFF: the library's Joule-Thomson coefficient for an expansion.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxJOULETHOMPSONEXPANSIONPTXPEFF>({"p0", "t0", "x0", "p1", "eff"}, hyx::kCheckErrors);
