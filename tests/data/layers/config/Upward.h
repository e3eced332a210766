#pragma once
// A configuration header that reaches up into the generator: the layer check must find it.

#include "device/CpuDesc.h"
#include "generator/Sections.h"
