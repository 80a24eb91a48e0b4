#pragma once
// The 18 area-type check boxes, as the room editors and the sentence database show them:
// two columns in type order, box k standing for bit k of the set.
#include "model/areatypes.h"

class QGroupBox;

// Fills an empty group with the 18 boxes: Plain .. Desert on the left, City .. Field on the
// right. The boxes are the group's check boxes in creation order.
void AddAreaTypeBoxes(QGroupBox& group);
// The same for the narrow database panes: captioned with the three-letter codes, the full
// names as hints, each box named namePrefix + code ("chbSentFor").
void AddAreaTypeCodeBoxes(QGroupBox& group, const char* namePrefix);

// Ticks the k-th box exactly when bit k of set is on.
void IntToAreaTypes(QGroupBox& group, TAreaTypes set);
// Bit k on for each ticked k-th box, every other bit off.
TAreaTypes GroupBoxToAreaType(const QGroupBox& group);
