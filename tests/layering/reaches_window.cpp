// Built only by the layering checks: code that reaches for a window header.
// The windows may include it; the printout, which knows no window, may not.
#include "ui/drawingwindow.h"
