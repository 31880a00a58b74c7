// Built only by the layering checks: code that reaches for Qt. The layers
// without Qt (the calculation, the parts, the line reader, file writing)
// may not.
#include <QString>
