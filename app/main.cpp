#include <QApplication>

#include "KyAppMain.h"
#include "KyCommandLine.h"

int main(int argc, char* argv[])
{
    return appMain(argc, argv, [](QApplication&, const KyCommandLine&) { return 0; });
}
