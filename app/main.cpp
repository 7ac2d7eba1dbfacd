#include "app/commandline.h"
#include "app/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto status = getalveld::answerCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    getalveld::startProgram();
    return app.exec();
}
