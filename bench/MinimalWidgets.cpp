// The smallest Qt Widgets program with one window: what any Qt program costs to start.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window("minimal");
    window.setWindowTitle("minimal_widgets");
    window.show();
    return QApplication::exec();
}
