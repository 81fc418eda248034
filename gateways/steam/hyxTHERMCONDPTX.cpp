// hyxTHERMCONDPTX: the library's thermal conductivity.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxTHERMCONDPTX>({"p", "t", "x"}, hyx::kCheckErrors);
