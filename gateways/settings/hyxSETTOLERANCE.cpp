// hyxSETTOLERANCE: sets the library's tolerance.
#include "elementwise.hpp"

const hyx::Gateway hyx::gateway = hyx::Elementwise<hyxSETTOLERANCE>({"tolerance"}, hyx::kNoErrorCheck);
