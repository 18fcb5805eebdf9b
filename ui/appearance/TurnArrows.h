#pragma once

#include "TurnHint.h"

#include <QRectF>

class QPainter;

namespace turnix {

// Draws hint over squares, the 3x3 squares of the side it is for, as the
// grid and the net lay a side out (north edge up): a curved arrow round the
// side for a turn of the side itself (with a head at each end and a "2" for
// a half turn), or an arrow along the moving row or column (two heads for a
// half turn). A side facing away gets nothing. Thin black lines on a white
// halo, so that the squares keep their colours and the arrows show on any
// of them.
void DrawTurnHint(QPainter& painter, const QRectF& squares, const TurnHint& hint);

} // namespace turnix
