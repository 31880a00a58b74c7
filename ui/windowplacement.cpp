#include "windowplacement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace vintorp::ui {

void FirstShowCentring::placeOnShow(QWidget& window)
{
    if (placed_)
        return;
    placed_ = true;
    if (const QScreen* screen = window.screen())
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
}

}  // namespace vintorp::ui
