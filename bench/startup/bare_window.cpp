// A bare Qt Widgets window the size of the bar: what any window costs.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.move(67, 67);
    window.resize(165, 31);
    window.show();
    return app.exec();
}
