// hyxPHASESTATEPT: the library's phase state, as an integer.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxPHASESTATEPT>({"p", "t"}, hyx::kCheckErrors);
