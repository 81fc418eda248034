// hyxDPDTST: the library's function DPDTST of t.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxDPDTST>({"t"}, hyx::kCheckErrors);
