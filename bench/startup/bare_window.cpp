// The reference of the start-up benchmark: the least a Qt Widgets program does to show
// a window of Quorvel's size. Quorvel's start-up is measured against this one.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(922, 842);
    window.show();
    return app.exec();
}
