#include "about_box.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "help_window.h"
#include "platform/help_pages.h"
#include "platform/shell_open.h"

namespace sorvik::ui {

namespace {

class Banner : public QWidget {
  public:
    explicit Banner(QWidget* parent) : QWidget(parent) { setFixedHeight(54); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient gradient(0, 0, width(), 0);
        gradient.setColorAt(0, QColor(0, 0, 128));
        gradient.setColorAt(1, QColor(0, 255, 255));
        p.fillRect(rect(), gradient);
        QFont title = font();
        title.setPixelSize(20);
        title.setBold(true);
        title.setItalic(true);
        p.setFont(title);
        p.setPen(Qt::white);
        p.drawText(rect().adjusted(14, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QApplication::applicationName());
    }
};

}  // namespace

AboutBox::AboutBox(const QString& supportAddress, const QString& appDir, QWidget* parent)
    // A dialog, not a tool window: a tool window leaves F1 to the main window, which the modal
    // box blocks.
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      appDir_(appDir) {
    setObjectName(QStringLiteral("VerF"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setAttribute(Qt::WA_DeleteOnClose);
    connectHelp(*this, appDir_, kHelpTopic);

    auto* text = new QLabel(QStringLiteral("紫微斗数 命盤作成ｿﾌﾄｳｪｱ"), this);
    // Until there is a web site the link leads to the help contents.
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">ｻﾎﾟｰﾄﾍﾟｰｼﾞへ</a>")
                                .arg(supportAddress.isEmpty() ? QStringLiteral("help")
                                                              : supportAddress.toHtmlEscaped()),
                            this);
    link->setObjectName(QStringLiteral("SupportLink"));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setToolTip(supportAddress);
    connect(link, &QLabel::linkActivated, this, [supportAddress, appDir] {
        if (supportAddress.isEmpty()) {
            showHelpTopic(appDir, platform::kHelpContentsTopic);
        } else {
            platform::shellOpenDocument(supportAddress);
        }
    });
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 12, 18, 12);
    body->addWidget(text);
    body->addWidget(link);
    body->addSpacing(8);
    body->addWidget(ok, 0, Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new Banner(this));
    layout->addLayout(body);
    setFixedSize(320, sizeHint().height());
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

}  // namespace sorvik::ui
