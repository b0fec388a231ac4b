// The tiled viewports of the host's drawing view: which viewport lies under a pixel, and the
// mapping between the view's client pixels and world coordinates in each viewport.
#pragma once

#include "acad/adscodes.h"
#include "acad/dbmain.h"
#include "win/afxwin.h"
#include "win/atltypes.h"

// The window of the current drawing.
CView* acedGetAcadDwgView();

// The number of the viewport under a client position of the drawing view; 0 outside all of them.
int acedGetWinNum(int x, int y);
// A client pixel to a world point in the current viewport or in the given one; FALSE for a
// viewport that does not exist.
BOOL acedCoordFromPixelToWorld(const CPoint& pixel, ads_point world);
BOOL acedCoordFromPixelToWorld(int viewport, CPoint pixel, ads_point world);
BOOL acedCoordFromWorldToPixel(int viewport, const ads_point world, CPoint& pixel);
// Makes the viewport current (and sets CVPORT).
Acad::ErrorStatus acedSetCurrentVPort(int viewport);
