// A bare Qt Widgets page with one box: the yardstick for the page's load time.
#include <QApplication>
#include <QLineEdit>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLineEdit box;
    box.show();
    return app.exec();
}
