// A window gets the focus back when the dialogs a command opened over it are
// closed. Left to itself, a window manager may activate whichever window it
// likes (openbox: the one beneath, so that the next Enter goes to a window the
// user does not see).
#pragma once

#include <QPointer>
#include <QWidget>

namespace vintorp::ui {

// Gives `window` the focus back when it goes out of scope, if it is still shown.
class FocusReturn {
public:
    explicit FocusReturn(QWidget& window) : window_(window.window()) { }
    ~FocusReturn() { returnFocus(window_); }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

    static void returnFocus(QWidget* window)
    {
        if (window && window->isVisible()) {
            window->raise();
            window->activateWindow();
        }
    }

private:
    QPointer<QWidget> window_;
};

}  // namespace vintorp::ui
