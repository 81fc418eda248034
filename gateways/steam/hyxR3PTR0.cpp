// hyxR3PTR0: the library's function R3PTR0 of p, t and r0.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxR3PTR0>({"p", "t", "r0"}, hyx::kCheckErrors);
