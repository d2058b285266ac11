// A picture control: shows a pixmap unscaled at its top-left corner, reports
// clicks, and has no border, a flat single line, or a sunken 3-D border.
#pragma once

#include <QLabel>

namespace zentrivo {

class PictureBox : public QLabel {
    Q_OBJECT
public:
    enum class Border { None, Flat, Sunken };
    explicit PictureBox(QWidget *parent = nullptr);
    void setBorder(Border border);
    Border border() const { return border_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Border border_ = Border::None;
};

// A picture control named `name` (its objectName) at `geometry` in `parent`.
PictureBox *pictureBox(const char *name, QWidget *parent, QRect geometry);

}  // namespace zentrivo
