// A bare Qt window with nothing of the family in it: the yardstick bench/startup.sh measures
// each program's first window against.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("A bare Qt window"));
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(480, 320);
    window.show();
    return app.exec();
}
