#include "ui/app/programentry.h"

int main(int argc, char** argv)
{
    return pelinor::ui::runProgram(argc, argv);
}
