// Built only by the layering checks: code that reaches for the drawing's
// printout, which the template's pages and the batch tool do without.
#include "print/printsize.h"
