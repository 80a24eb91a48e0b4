#pragma once
// The category boxes of the sentence pane: a text field over a sorted list of the categories
// in the database.
#include "model/types.h"

class QComboBox;
class QWidget;

QComboBox* NewCategoryBox(QWidget* parent, const char* name, const char* accessibleName);
// Replaces the list, keeping the text typed in the field.
void FillCategoryBox(QComboBox& box, const TStrings& categories);
