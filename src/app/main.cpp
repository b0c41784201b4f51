#include "app/BatchMode.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    if (BatchMode::IsBatchInvocation(argc, argv))
        return BatchMode::Run(argc, argv);
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Quarvel Kestova "));
    frame.show();
    return app.exec();
}
