#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvik Ver2.69"));
    QMainWindow window;
    window.setWindowTitle(QApplication::applicationName());
    window.resize(1024, 768);
    window.show();
    return QApplication::exec();
}
