#include "app/BatchMode.h"
#include "app/COstrelsApp.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    if (BatchMode::IsBatchInvocation(argc, argv))
        return BatchMode::Run(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestova"));
    QApplication::setOrganizationName(QStringLiteral("Quarvel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kestova.svg")));
    COstrelsApp theApp;
    if (!theApp.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return app.exec();
}
