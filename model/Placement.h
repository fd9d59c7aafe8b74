// A transfer keeps its placement as origin and two axis vectors; a transfer record
// stores three points: the origin, origin + x axis and origin + y axis.
#pragma once

class KVItem;

void PlacementToPoints(const KVItem& item, double points[3][3]);
void PlacementFromPoints(KVItem& item, const double points[3][3]);
