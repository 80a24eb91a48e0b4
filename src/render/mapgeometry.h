#pragma once
// Pixel geometry of the painted map for a zoom level.
