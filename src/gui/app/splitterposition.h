#pragma once
// A splitter's position as the settings keep it: the size of its first part.
class QSplitter;

// -1 while the splitter has not been laid out yet.
int SplitterPosition(const QSplitter& splitter);
// Gives the first part pos (at most the splitter's size less one), the second the rest;
// 0 or less leaves it alone.
void PlaceSplitter(QSplitter& splitter, int pos);
