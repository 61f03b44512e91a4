#pragma once

#include <QDialog>

namespace sorvik::ui {

// "ﾊﾞｰｼﾞｮﾝ情報": the application title on a banner, a link to the support page and OK.
// Created for each opening.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(const QString& supportAddress, const QString& appDir, QWidget* parent = nullptr);

    static constexpr int kHelpTopic = 60000;

  private:
    QString appDir_;
};

}  // namespace sorvik::ui
