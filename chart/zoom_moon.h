// The Moon disc with its terminator at any centre and radius (the zoom chart draws
// it magnified): olive outline, sky-grey disc, the terminator curve turned by the
// limb drawing angle of MoonState and the lit part flood-filled in yellow.
#pragma once

class Canvas;

void DrawMoonDiscAt(Canvas& canvas, int centreX, int centreY, int radius, int skyGrey);

// Half-width of the terminator at row offset dy for a disc of radius k whose
// terminator half-width at the centre row is w: sqrt(w^2 - dy^2 (w/k)^2), 0 when
// the argument is not positive.
double MoonTerminatorHalfWidth(int w, int dy, int k);
// Sign of (fractional part of the phase value - 0.5): the side of the lit limb.
double MoonTerminatorSign();
// Terminator half-width at the centre row: |cos i| * k, truncated.
int MoonTerminatorWidth(int k);
