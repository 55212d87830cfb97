#pragma once

// Pen and brush styles as the canvas draws them and as stored settings and
// cell properties keep them (Core only, so the grid's model and its file
// formats can hold them without the canvas).
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
