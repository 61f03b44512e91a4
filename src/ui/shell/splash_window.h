#pragma once

#include <QWidget>

namespace sorvik::ui {

// The splash shown while the program starts: the product name and its version. It stays on
// top, so it goes away as soon as any other window of the program opens (a start-up message):
// that window would open under it.
class TTitleF : public QWidget {
    Q_OBJECT
  public:
    explicit TTitleF(const QString& applicationTitle);
    ~TTitleF() override;

    // Shows the splash centred on the screen and paints it at once; the pointer becomes the
    // hourglass until the splash is gone.
    void showNow();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void giveWay();

    QString version_;
    bool cursorSet_ = false;
};

}  // namespace sorvik::ui
