#include "render/mapgeometry.h"
