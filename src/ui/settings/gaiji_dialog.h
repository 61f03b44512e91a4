#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::ui {

// SpecialChar as the start-up makes it: the character of the stored code; a bad code beeps,
// shows its message and gives an empty text.
QString SpecialChar(const platform::KeyStore& keys);

// TGaijiF "特殊文字の設定": the substitute for the missing star-name character, by its
// Shift-JIS code. The choice is stored at once and used from the next start.
class TGaijiF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 5003;

    TGaijiF(QString appDir, platform::KeyStore& keys, QWidget* parent = nullptr);

    // "文字を確認": the preview shows the character of the code, or nothing after a message.
    void preview();
    // "ﾃﾞﾌｫﾙﾄ"
    void setDefaultCode();
    QString previewText() const;
    QLineEdit* codeBox() const { return edit1_; }

    void accept() override;  // OK
    void reject() override;  // ｷｬﾝｾﾙ
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QString appDir_;
    platform::KeyStore& keys_;
    QLineEdit* edit1_ = nullptr;
    QLabel* panel1_ = nullptr;
    QString previousCode_;
};

}  // namespace sorvik::ui
