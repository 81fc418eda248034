// hyxJOULETHOMPSONEXPANSIONPTPEFF: the library's Joule-Thomson coefficient for an expansion.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxJOULETHOMPSONEXPANSIONPTPEFF>({"p0", "t0", "p1", "eff"}, hyx::kCheckErrors);
