#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

// The interrupt, callback and user device skeletons come with the drivers that call them.
// Nothing yet.
void WriteSkeletons(const BuildInput&, Listing&) {}

} // namespace pramlet
