#include "app/commandline.h"
#include "app/program.h"
#include "board/fontconfiguration.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto status = getalveld::answerCommandLine(argc, argv))
        return *status;
    getalveld::beginReadingFontConfiguration();
    QApplication app(argc, argv);
    getalveld::startProgram();
    return app.exec();
}
