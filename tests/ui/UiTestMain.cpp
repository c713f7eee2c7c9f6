#include <QApplication>
#include <QtTest>

int RunWindowPlacementTest(int argc, char** argv);
int RunTickBoxTest(int argc, char** argv);
int RunAfterFirstPaintTest(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return RunWindowPlacementTest(argc, argv) | RunTickBoxTest(argc, argv) |
           RunAfterFirstPaintTest(argc, argv);
}
