// Where a top-level window appears: centred on its screen the first time it
// is shown, and where the user left it every time after.
#pragma once

class QWidget;

namespace vintorp::ui {

class FirstShowCentring {
public:
    // Call from the window's showEvent.
    void placeOnShow(QWidget& window);

private:
    bool placed_ = false;
};

}  // namespace vintorp::ui
