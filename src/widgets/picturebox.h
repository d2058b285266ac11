// A picture control: shows a pixmap unscaled at its top-left corner, reports
// clicks, and has no border, a flat single line, or a sunken 3-D border. One
// that takes the keyboard focus (a marking tool) is clicked by Space or
// Return and draws a focus frame while it has the focus.
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
    // Whether the tool this picture stands for is the one selected; a screen
    // reader is told when it changes.
    void setChecked(bool checked);
    bool isChecked() const { return checked_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Border border_ = Border::None;
    bool checked_ = false;
    bool secondOfDouble_ = false;  // the press now down completes a double click here
};

// A picture control named `name` (its objectName) at `geometry` in `parent`.
PictureBox *pictureBox(const char *name, QWidget *parent, QRect geometry);

}  // namespace zentrivo
