// hyxSETMAXITERATION: sets the library's maximum number of iterations.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxSETMAXITERATION>({"maxiteration"}, hyx::kNoErrorCheck);
