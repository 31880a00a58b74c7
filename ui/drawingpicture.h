// The bobbin drawing behind the drawing window's fields. On screen it shows
// an image rendered for the screen's pixel ratio; painted at any other scale
// (a printout) it draws straight from the vector source, so it stays sharp.
#pragma once

#include <QImage>
#include <QWidget>

namespace vintorp::ui {

class DrawingPicture : public QWidget {
    Q_OBJECT
public:
    explicit DrawingPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage cache_;
};

}  // namespace vintorp::ui
