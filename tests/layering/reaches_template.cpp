// Built only by the layering checks: code that reaches for the cut template's
// pages, which the drawing's printout does without (it writes its PDF file
// through lang/files).
#include "template/pages/cuttemplate.h"
