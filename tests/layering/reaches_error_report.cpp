// Built only by the layering checks: code that reaches for the windows'
// error report, which the batch tool, linking no window library, may not.
#include "ui/errorreport.h"
